#include <QLabel>
#include <QPushButton>

#include "notices/FocusReturn.h"
#include "notices/NoticeParts.h"
#include "notices/WarnDialogs.h"

namespace {

constexpr int DialogWidth = 290;
constexpr int DialogHeight = 108;
constexpr QRect TextRect{0, 16, 290, 40};
constexpr int TextPoints = 10;
constexpr int ButtonTop = 70;
constexpr int OkLeft = 12;
constexpr int NoLeft = 108;
constexpr int CancelLeft = 204;

}

TMyWarnDlg_3::TMyWarnDlg_3(QWidget* owner) : QDialog(owner)
{
    using namespace NoticeParts;
    SetUpFixedDialog(*this, DialogWidth, DialogHeight);

    Label1 = MakeCentredLabel(this, "Label1", TextRect);
    SetPointSize(Label1, TextPoints);

    OKBtn = MakeAnswerButton(this, "OKBtn", {OkLeft, ButtonTop}, Accepted);
    OKBtn->setDefault(true);
    NoBtn = MakeAnswerButton(this, "NoBtn", {NoLeft, ButtonTop}, ModalResultNo);
    CancelBtn = MakeAnswerButton(this, "CancelBtn", {CancelLeft, ButtonTop}, Rejected);
    ReturnFocusWhenClosed(*this);
}
