#pragma once

#include <functional>

#include <QString>

class QWidget;

// Asks where to open or save an adjustment file; an empty answer means the user cancelled. The
// program asks through the system's file dialogs, tests answer directly.
struct AdjustmentFileChooser {
    using Ask = std::function<QString(QWidget* parent, const QString& title)>;

    Ask ChooseFileToOpen;
    Ask ChooseFileToSave;  // confirms before an existing file is replaced
};

AdjustmentFileChooser SystemAdjustmentFileChooser();
