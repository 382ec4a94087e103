#include "link/dialogs/PortDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "link/dialogs/ModalResult.h"
#include "notices/AccessibleNames.h"
#include "ports/SerialPortInfo.h"

namespace {

enum PortDialogEntry { OkCaption = 0, CancelCaption = 1, AutoSearchCaption = 2 };

// Each COM number on a line of its own, what it is beside it.
constexpr int ButtonColumn = 0;
constexpr int DetailColumn = 1;

QPushButton* NewButton(const char* objectName, int textEntry, QWidget* parent)
{
    auto* button = new QPushButton(DisplayText(PortDialogText(textEntry)), parent);
    button->setObjectName(objectName);
    return button;
}

}

QString PortDetailText(const TeskComm32::PortDetails& details)
{
    const QString path = QString::fromStdString(details.Path);
    return details.Adapter.empty() ? path : path + QStringLiteral(" \u2014 ") + QString::fromStdString(details.Adapter);
}

QString AutoSearchText() { return DisplayText(PortDialogText(AutoSearchCaption)); }

TCommunicationPort::TCommunicationPort(LinkSettings& link, QWidget* owner)
    : QDialog(owner), link_(link)
{
    OKBtn = NewButton("OKBtn", OkCaption, this);
    CancelBtn = NewButton("CancelBtn", CancelCaption, this);
    OKBtn->setDefault(true);
    gbCOM = new QGroupBox(this);
    gbCOM->setObjectName("gbCOM");
    auto* portGrid = new QGridLayout(gbCOM);
    std::vector<std::string> names;
    for (int n = 1; n <= OfferedPortCount; ++n)
        names.push_back(ComPortName(n));
    const std::vector<TeskComm32::PortDetails> details = TeskComm32::PortDetailsOf(names, link_.Ports);
    for (int n = 1; n <= OfferedPortCount; ++n) {
        const std::string& name = names[size_t(n - 1)];
        auto* button = new QRadioButton(QString::fromStdString(name), gbCOM);
        button->setObjectName(QString::fromStdString("rb" + name));
        button->setToolTip(QString::fromStdString(details[size_t(n - 1)].Path));
        button->setEnabled(false);
        auto* detail = new QLabel(PortDetailText(details[size_t(n - 1)]), gbCOM);
        detail->setObjectName(QString::fromStdString("s" + name));
        button->setAccessibleDescription(detail->text());
        portGrid->addWidget(button, n - 1, ButtonColumn);
        portGrid->addWidget(detail, n - 1, DetailColumn);
        rbCOM[size_t(n - 1)] = button;
    }
    cAutoSeachPort = new QCheckBox(AutoSearchText(), this);
    cAutoSeachPort->setObjectName("cAutoSeachPort");
    cAutoSeachPort->setChecked(link_.AutoSearchPort);
    FastLink = new QCheckBox(DisplayMessage({MessageId::FastLink}), this);
    FastLink->setObjectName("FastLink");
    FastLink->setAccessibleName(FastLink->text());
    FastLink->setChecked(link_.FastLink);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbCOM);
    layout->addWidget(cAutoSeachPort);
    layout->addWidget(FastLink);
    layout->addLayout(buttons);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    NameControlsWhenShown(this);

    candidates_ = RefreshPortCandidates(link_.Ports);
    if (!candidates_.Contains(link_.PortNumber))
        link_.PortNumber = 1;
    if (!link_.AutoSearchPort)
        EnablePortButtons();
    if (QRadioButton* current = PortButton(link_.PortNumber))
        current->setChecked(true);

    connect(cAutoSeachPort, &QCheckBox::clicked, this, &TCommunicationPort::cAutoSeachPortClick);
    connect(OKBtn, &QPushButton::clicked, this, &TCommunicationPort::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(ModalResultCancel); });
}

void TCommunicationPort::cAutoSeachPortClick()
{
    link_.AutoSearchPort = cAutoSeachPort->isChecked();
    candidates_ = RefreshPortCandidates(link_.Ports);
    if (link_.AutoSearchPort) {
        for (QRadioButton* button : rbCOM)
            button->setEnabled(false);
    } else {
        EnablePortButtons();
    }
}

void TCommunicationPort::OKBtnClick()
{
    for (int n = 1; n <= OfferedPortCount; ++n)
        if (PortButton(n)->isChecked())
            link_.PortNumber = n;
    link_.FastLink = FastLink->isChecked();
    done(ModalResultOk);
}

void TCommunicationPort::EnablePortButtons()
{
    for (int n : candidates_.Numbers)
        if (QRadioButton* button = PortButton(n))
            button->setEnabled(true);
}

QRadioButton* TCommunicationPort::PortButton(int portNumber) const
{
    if (portNumber < 1 || portNumber > OfferedPortCount)
        return nullptr;
    return rbCOM[size_t(portNumber - 1)];
}
