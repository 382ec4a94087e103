#pragma once

#include <functional>

#include <QString>

class QWidget;

// How the main window asks for a channel data file's path. The program uses the system's file
// dialogs; tests put in a chooser that answers without any dialog. An empty path means the user
// cancelled. The open dialog starts in `folder` when one is given; the save dialog starts on
// `suggested`, the file last opened or saved, when there is one.
// The files of the channel table exchange, the channel sheet, the transfer log, the log of a
// series of writes, which is appended to rather than replaced, a record to compare with, and the
// support bundle.
enum class ExchangeFile { CsvToImport, CsvToExport, SheetPdf, TransferLog, ProgrammingLog, RecordToCompare, SupportBundle };

struct FileChooser {
    std::function<QString(QWidget* owner, const QString& title, const QString& folder)> ChooseOpenPath;
    std::function<QString(QWidget* owner, const QString& title, const QString& suggested)> ChooseSavePath;
    std::function<QString(QWidget* owner, const QString& title, ExchangeFile file)> ChooseExchangePath;
};

// Open and save dialogs for ".Kqd" files, for ".csv" and ".pdf" files of the exchange, for
// the ".txt" or ".log" transfer log and the ".zip" support bundle; the
// save dialogs add the extension and ask before overwriting a file.
FileChooser SystemFileChooser();
