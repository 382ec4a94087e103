#include <QLabel>
#include <QPushButton>

#include "notices/FocusReturn.h"
#include "notices/NoticeParts.h"
#include "notices/WarnDialogs.h"

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

    const QPoint buttonPlace{(DialogWidth - ButtonWidth) / 2, ButtonTop};
    OKBtn = MakeAnswerButton(this, "OKBtn", buttonPlace, Accepted);
    OKBtn->setDefault(true);
    CancelBtn = MakeAnswerButton(this, "CancelBtn", buttonPlace, Rejected);
    CancelBtn->hide();
    ReturnFocusWhenClosed(*this);
}
