#include <QLabel>
#include <QPushButton>

#include "dialogs/NoticeParts.h"
#include "dialogs/WarnDialogs.h"

namespace {

constexpr int DialogWidth = 340;
constexpr int DialogHeight = 196;
constexpr int LineLeft = 10;
constexpr int LineWidth = DialogWidth - 2 * LineLeft;
constexpr QRect NameRect{LineLeft, 18, LineWidth, 28};
constexpr QRect VersionRect{LineLeft, 56, LineWidth, 22};
constexpr QRect OwnershipRect{LineLeft, 86, LineWidth, 22};
constexpr QRect MakerRect{LineLeft, 110, LineWidth, 22};
constexpr int ButtonTop = 152;

}

TAboutDlg::TAboutDlg(QWidget* owner) : QDialog(owner)
{
    using namespace NoticeParts;
    SetUpFixedDialog(*this, DialogWidth, DialogHeight);

    sName = MakeCentredLabel(this, "sName", NameRect);
    sVersion = MakeCentredLabel(this, "sVersion", VersionRect);
    sOwnership = MakeCentredLabel(this, "sOwnership", OwnershipRect);
    sMaker = MakeCentredLabel(this, "sMaker", MakerRect);

    const QRect buttonRect{(DialogWidth - ButtonWidth) / 2, ButtonTop, ButtonWidth, ButtonHeight};
    OKBtn = MakeButton(this, "OKBtn", buttonRect);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn = MakeButton(this, "CancelBtn", buttonRect);
    CancelBtn->hide();
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}
