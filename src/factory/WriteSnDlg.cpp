#include "factory/WriteSnDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "calibration/AdjustmentLayout.h"
#include "factory/DigitEdit.h"
#include "factory/FactoryTransfer.h"
#include "factory/NotANumberNotice.h"
#include "factory/UpDownArrows.h"
#include "notices/AccessibleNames.h"

namespace {

constexpr int SnBoxWidth = 90;

// No button may become the dialog's default: Enter in the number box would otherwise start a
// read, and the radio's number would replace the one just typed.
QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}

TWriteSnDlg::TWriteSnDlg(const TransferContext& link, QWidget* owner)
    : QDialog(owner),
      eSn(new TDigitEdit(QStringLiteral("eSn"), false, CorrectedSnText, this)),
      udSn(new TUpDownArrows(QStringLiteral("udSn"), this)), Button1(MakeButton("Button1", SnReadCaption, this)),
      Button2(MakeButton("Button2", SnWriteCaption, this)), OKBtn(MakeButton("OKBtn", "OK", this)),
      CancelBtn(MakeButton("CancelBtn", "Cancel", this)), link_(link)
{
    setWindowTitle(QString());
    eSn->setFixedWidth(SnBoxWidth);
    OKBtn->hide();
    CancelBtn->hide();

    auto* snLabel = new QLabel(QString::fromLatin1(SerialNumberCaption), this);
    snLabel->setBuddy(eSn);
    NameControlsWhenShown(this);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(snLabel);
    numberRow->addWidget(eSn);
    numberRow->addWidget(udSn);
    numberRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(Button1);
    buttonRow->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numberRow);
    layout->addLayout(buttonRow);

    connect(eSn, &TDigitEdit::Left, this, &TWriteSnDlg::eSnExit);
    connect(udSn, &TUpDownArrows::Stepped, this, &TWriteSnDlg::udSnChangingEx);
    connect(Button1, &QPushButton::clicked, this, &TWriteSnDlg::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TWriteSnDlg::Button2Click);

    SetSnText(DeviceSn(), {});
    ShowSn();
}

// A dialog destroyed while shown is hidden only after its own part is gone, and the box then
// loses the focus: nothing may be committed into the dialog that is no longer there.
TWriteSnDlg::~TWriteSnDlg() { eSn->disconnect(this); }

uint8_t (&TWriteSnDlg::DeviceSn())[DeviceSnSize] { return link_.Settings.DeviceSn; }

void TWriteSnDlg::ShowSn() { eSn->setText(QString::fromStdString(SnText(DeviceSn()))); }

void TWriteSnDlg::eSnExit() { CommitSn(); }

// Pasted text that is not a serial number would go to the radio as it is: refuse it.
bool TWriteSnDlg::CommitSn()
{
    const QString text = eSn->text();
    if (!IsSnText(text.toStdString())) {
        ShowSn();
        ShowNotANumberNotice(this, text);
        return false;
    }
    SetSnText(DeviceSn(), text.toStdString());
    return true;
}

// A refused paste is not stepped from the kept number: the user has just been told that the box
// was not taken, so the number must not change behind that notice.
void TWriteSnDlg::udSnChangingEx(bool up)
{
    if (!CommitSn())
        return;
    StepSn(DeviceSn(), up ? SnStep::Up : SnStep::Down);
    ShowSn();
}

void TWriteSnDlg::Button1Click()
{
    if (!CommitSn())
        return;
    RunSnTransfer(true, [this] { ShowSn(); });
}

void TWriteSnDlg::Button2Click()
{
    if (!CommitSn())
        return;
    RunSnTransfer(false, [this] {
        StepSn(DeviceSn(), SnStep::Up);
        ShowSn();
    });
}

void TWriteSnDlg::RunSnTransfer(bool read, std::function<void()> onSuccess)
{
    TransferContext context = link_;
    context.Kind = TransferKind::SerialNumber;
    context.IsRead = read;
    RunFactoryTransfer(context, backUpBeforeWrite_, this, std::move(onSuccess));
}
