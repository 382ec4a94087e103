#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "dialogs/NoticeParts.h"
#include "dialogs/WarnDialogs.h"
#include "lang/TextTable.h"

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

QRect CentredButton(int dialogWidth, int top)
{
    return {(dialogWidth - NoticeParts::ButtonWidth) / 2, top, NoticeParts::ButtonWidth, NoticeParts::ButtonHeight};
}

}

TUserWarnDlg::TUserWarnDlg(QWidget* owner) : QDialog(owner)
{
    using namespace NoticeParts;
    SetUpFixedDialog(*this, DialogWidth(TextWidth), DialogHeight(TextHeight));

    WarnDlgText = MakeCentredLabel(this, "WarnDlgText", {Margin, Margin, TextWidth, TextHeight});
    QFont font = WarnDlgText->font();
    font.setPixelSize(TextFontPixels);
    WarnDlgText->setFont(font);

    const QRect buttonRect = CentredButton(DialogWidth(TextWidth), ButtonTop(TextHeight));
    OKBtn = MakeButton(this, "OKBtn", buttonRect);
    OKBtn->setText(DisplayText(NoticeOkText()));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn = MakeButton(this, "CancelBtn", buttonRect);
    CancelBtn->hide();
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TUserWarnDlg::showEvent(QShowEvent* event)
{
    FitTextBox();
    QDialog::showEvent(event);
}

void TUserWarnDlg::FitTextBox()
{
    const QFontMetrics metrics(WarnDlgText->font());
    const int oneLineWidth = metrics.horizontalAdvance(WarnDlgText->text());
    const int width = std::clamp(oneLineWidth, TextWidth, MaxTextWidth);
    const int height = std::max(TextHeight, WarnDlgText->heightForWidth(width));
    if (width == TextWidth && height == TextHeight)
        return;

    WarnDlgText->setGeometry(Margin, Margin, width, height);
    setFixedSize(DialogWidth(width), DialogHeight(height));
    const QRect buttonRect = CentredButton(DialogWidth(width), ButtonTop(height));
    OKBtn->setGeometry(buttonRect);
    CancelBtn->setGeometry(buttonRect);
}
