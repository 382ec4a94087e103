#pragma once

#include <memory>

#include <QFileDialog>

// The open or save dialog for ".Kqd" files, not yet shown; the save dialog adds the extension and
// asks before overwriting a file.
std::unique_ptr<QFileDialog> ChannelFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode);
