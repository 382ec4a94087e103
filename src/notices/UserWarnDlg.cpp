#include <QLabel>
#include <QPushButton>

#include "lang/TextTable.h"
#include "notices/FocusReturn.h"
#include "notices/NoticeParts.h"
#include "notices/WarnDialogs.h"

namespace {

constexpr int Margin = 16;
constexpr int TextWidth = 214;
constexpr int TextHeight = 33;
constexpr int MaxTextWidth = 480;
constexpr int TextFontPixels = 16;
constexpr int GapAboveButton = 15;
constexpr int GapBelowButton = 15;

int DialogWidth(int textWidth) { return textWidth + 2 * Margin; }
int ButtonTop(int textHeight) { return Margin + textHeight + GapAboveButton; }
int DialogHeight(int textHeight) { return ButtonTop(textHeight) + NoticeParts::ButtonHeight + GapBelowButton; }

QPoint CentredButton(int dialogWidth, int top) { return {(dialogWidth - NoticeParts::ButtonWidth) / 2, top}; }

}

TUserWarnDlg::TUserWarnDlg(QWidget* owner) : QDialog(owner)
{
    using namespace NoticeParts;
    SetUpFixedDialog(*this, DialogWidth(TextWidth), DialogHeight(TextHeight));

    WarnDlgText = MakeCentredLabel(this, "WarnDlgText", {Margin, Margin, TextWidth, TextHeight});
    QFont font = WarnDlgText->font();
    font.setPixelSize(TextFontPixels);
    WarnDlgText->setFont(font);

    const QPoint buttonPlace = CentredButton(DialogWidth(TextWidth), ButtonTop(TextHeight));
    OKBtn = MakeAnswerButton(this, "OKBtn", buttonPlace, Accepted);
    OKBtn->setText(DisplayText(NoticeOkText()));
    OKBtn->setDefault(true);
    CancelBtn = MakeAnswerButton(this, "CancelBtn", buttonPlace, Rejected);
    CancelBtn->hide();
    ReturnFocusWhenClosed(*this);
}

void TUserWarnDlg::showEvent(QShowEvent* event)
{
    FitTextBox();
    QDialog::showEvent(event);
}

void TUserWarnDlg::FitTextBox()
{
    const QSize fitted = NoticeParts::FittedTextSize(WarnDlgText, {TextWidth, TextHeight}, MaxTextWidth);
    const int width = fitted.width();
    const int height = fitted.height();
    if (width == TextWidth && height == TextHeight)
        return;

    WarnDlgText->setGeometry(Margin, Margin, width, height);
    setFixedSize(DialogWidth(width), DialogHeight(height));
    const QPoint buttonPlace = CentredButton(DialogWidth(width), ButtonTop(height));
    OKBtn->move(buttonPlace);
    CancelBtn->move(buttonPlace);
}
