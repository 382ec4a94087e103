#pragma once

#include <memory>

#include <QFileDialog>

// What a file dialog lists and which extension a save adds.
struct FileType {
    const char* filter;
    const char* suffix;
};

constexpr FileType ChannelFile{"Korvane File(*.Kqd)", "Kqd"};
constexpr FileType CsvFile{"CSV (*.csv)", "csv"};
constexpr FileType PdfFile{"PDF (*.pdf)", "pdf"};
constexpr FileType LogFile{"Text (*.txt *.log)", "txt"};
// A record to compare: a channel data file, or a memory image as `image` writes and backups keep it.
constexpr FileType ComparedFile{"Korvane File(*.Kqd);;*.img *.bin;;*", "Kqd"};
constexpr FileType ZipFile{"ZIP (*.zip)", "zip"};

// The open or save dialog for files of `type` (".Kqd" unless told), not yet shown; the save dialog
// adds the extension and asks before overwriting a file.
std::unique_ptr<QFileDialog> ChannelFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                                               const FileType& type = ChannelFile);
