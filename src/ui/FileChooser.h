#pragma once

#include <functional>

#include <QString>

class QWidget;

// How the main window asks for a channel data file's path. The program uses the system's file
// dialogs; tests put in a chooser that answers without any dialog. An empty path means the user
// cancelled. The save dialog starts on `suggested`, the file last opened or saved, when there is one.
// The files of the channel table exchange and the channel sheet.
enum class ExchangeFile { CsvToImport, CsvToExport, SheetPdf };

struct FileChooser {
    std::function<QString(QWidget* owner, const QString& title)> ChooseOpenPath;
    std::function<QString(QWidget* owner, const QString& title, const QString& suggested)> ChooseSavePath;
    std::function<QString(QWidget* owner, const QString& title, ExchangeFile file)> ChooseExchangePath;
};

// Open and save dialogs for ".Kqd" files, and for ".csv" and ".pdf" files of the exchange; the
// save dialogs add the extension and ask before overwriting a file.
FileChooser SystemFileChooser();
