#include <QLabel>
#include <QPushButton>

#include "notices/FocusReturn.h"
#include "notices/NoticeParts.h"
#include "notices/WarnDialogs.h"

namespace {

constexpr int DialogWidth = 281;
constexpr int DialogHeight = 108;
constexpr QRect TextRect{8, 16, 265, 40};
constexpr int TextPoints = 12;
constexpr int ButtonTop = 70;
constexpr int OkLeft = 50;
constexpr int CancelLeft = 156;

}

TMyWarnDlg_2::TMyWarnDlg_2(QWidget* owner) : QDialog(owner)
{
    using namespace NoticeParts;
    SetUpFixedDialog(*this, DialogWidth, DialogHeight);

    Label1 = MakeCentredLabel(this, "Label1", TextRect);
    SetPointSize(Label1, TextPoints);

    OKBtn = MakeAnswerButton(this, "OKBtn", {OkLeft, ButtonTop}, Accepted);
    OKBtn->setDefault(true);
    CancelBtn = MakeAnswerButton(this, "CancelBtn", {CancelLeft, ButtonTop}, Rejected);
    ReturnFocusWhenClosed(*this);
}
