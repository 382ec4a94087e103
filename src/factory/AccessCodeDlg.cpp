#include "factory/AccessCodeDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calibration/AccessCode.h"
#include "factory/AdjustmentDlg.h"
#include "lang/TextTable.h"
#include "notices/AccessibleNames.h"

namespace {

constexpr int CodeFontPoints = 16;

QPushButton* MakeButton(const char* name, TextEntry captionEntry, QWidget* parent)
{
    auto* button = new QPushButton(Tr(captionEntry), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}

TPasswordDlg::TPasswordDlg(const TransferContext& link, AdjustmentData& calibration,
                           std::function<void()> writeChannelData, QWidget* owner)
    : QDialog(owner), eInput(new QLineEdit(this)), OKBtn(MakeButton("OKBtn", TextEntry::Ok, this)),
      CancelBtn(MakeButton("CancelBtn", TextEntry::Cancel, this)), link_(link), calibration_(calibration),
      writeChannelData_(std::move(writeChannelData))
{
    setWindowTitle(QString());
    eInput->setObjectName(QStringLiteral("eInput"));
    eInput->setEchoMode(QLineEdit::Password);
    eInput->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    QFont font = eInput->font();
    font.setPointSize(CodeFontPoints);
    eInput->setFont(font);
    // The box has no caption beside it; it asks for the code the way the radio password box does.
    eInput->setAccessibleName(Tr(TextEntry::InputPassword));
    OKBtn->setDefault(true);
    NameControlsWhenShown(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(eInput);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordDlg::OKBtnClick()
{
    if (IsAdjustmentAccessCode(eInput->text().toStdString())) {
        TAdjustmentDlg adjustment(link_, calibration_, writeChannelData_, this);
        adjustment.SetBackUpBeforeWrite(backUpBeforeWrite_);
        adjustment.exec();
    }
    accept();
}
