#include "app/OpenDialogPicture.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QTimer>

#include "ui/ChannelFileDialog.h"

namespace {

// The folder is listed in a worker thread; a picture taken before it finishes shows no files.
constexpr int ListingLimitMs = 5000;

void WaitForListing(const QFileDialog& dialog)
{
    QEventLoop loop;
    if (const auto* model = dialog.findChild<QFileSystemModel*>())
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, &QEventLoop::quit);
    QTimer::singleShot(ListingLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::processEvents();
}

bool SavePicture(QWidget* owner, const QString& title, const QString& folder, const QString& path)
{
    const std::unique_ptr<QFileDialog> dialog = ChannelFileDialog(owner, title, QFileDialog::AcceptOpen);
    if (!folder.isEmpty())
        dialog->setDirectory(folder);
    // A native dialog is not a Qt widget and cannot be grabbed.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    WaitForListing(*dialog);
    return dialog->grab().save(path);
}

}

FileChooser OpenDialogPicture::Chooser()
{
    return {
        [this](QWidget* owner, const QString& title, const QString& folder) {
            saved_ = SavePicture(owner, title, folder, path_);
            return QString();
        },
        [](QWidget*, const QString&, const QString&) { return QString(); },
        [](QWidget*, const QString&, ExchangeFile) { return QString(); },
    };
}
