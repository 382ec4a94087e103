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
constexpr int MaxTextWidth = 480;

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

// A question that says why needs more than the two lines of the text box: the dialog grows, and
// the buttons move with its middle and its bottom.
void TMyWarnDlg_2::showEvent(QShowEvent* event)
{
    const QSize fitted = NoticeParts::FittedTextSize(Label1, TextRect.size(), MaxTextWidth);
    const QSize growth = fitted - TextRect.size();
    Label1->setGeometry({TextRect.topLeft(), fitted});
    setFixedSize(QSize(DialogWidth, DialogHeight) + growth);
    OKBtn->move(OkLeft + growth.width() / 2, ButtonTop + growth.height());
    CancelBtn->move(CancelLeft + growth.width() / 2, ButtonTop + growth.height());
    QDialog::showEvent(event);
}
