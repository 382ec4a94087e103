#pragma once

#include <functional>

#include <QString>

class QWidget;

// How the main window asks for a channel data file's path. The program uses the system's file
// dialogs; tests put in a chooser that answers without any dialog. An empty path means the user
// cancelled. The save dialog starts on `suggested`, the file last opened or saved, when there is one.
struct FileChooser {
    std::function<QString(QWidget* owner, const QString& title)> ChooseOpenPath;
    std::function<QString(QWidget* owner, const QString& title, const QString& suggested)> ChooseSavePath;
};

// Open and save dialogs for ".Kqd" files; the save dialog adds the extension and asks before
// overwriting a file.
FileChooser SystemFileChooser();
