#pragma once

#include <utility>

#include <QString>

#include "ui/FileChooser.h"

// Pictures of the File, Open dialog for the documentation: asked for a file to open, the chooser
// shows the dialog the program shows, saves a picture of it and answers as a user who cancelled.
class OpenDialogPicture {
public:
    explicit OpenDialogPicture(QString path) : path_(std::move(path)) {}

    // Valid while this object lives.
    FileChooser Chooser();
    bool Saved() const { return saved_; }

private:
    QString path_;
    bool saved_ = false;
};
