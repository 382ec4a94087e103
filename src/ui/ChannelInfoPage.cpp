#include "ui/ChannelInfoPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/DeviceInfoText.h"
#include "lang/TextTable.h"
#include "text/PrintableText.h"
#include "ui/editors/EditorPages.h"

namespace {

constexpr QSize ValueBoxSize{128, 20};
constexpr int Margin = 4;
constexpr int GapBetweenItems = 16;

QLabel* MakeCaption(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A sunken, centred box of fixed size for a value the user reads but does not edit.
QLabel* MakeValueBox(QWidget* parent, const char* name)
{
    QLabel* box = MakeCaption(parent, name);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(ValueBoxSize);
    return box;
}

// What the radio reported of itself, with anything but printable text shown as "\xHH".
QString FieldDisplayText(const uint8_t* field, size_t size)
{
    return QString::fromStdString(PrintableText(FieldText(field, size)));
}

}

ChannelInfoPage::ChannelInfoPage(RadioSettings& settings, const BandLimits& band, QWidget* parent)
    : QWidget(parent), settings_(settings)
{
    setObjectName("TabSheet_ChInfo");
    Grid = new ChannelGridEditor(settings, band, this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(Margin, Margin, Margin, Margin);
    page->addWidget(Grid, 1);
    page->addWidget(BuildDeviceInformation());
}

QWidget* ChannelInfoPage::BuildDeviceInformation()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    sLastWrite = MakeCaption(row, "sLastWrite");
    sLastWriteTime = MakeValueBox(row, "sLastWriteTime");
    sSoftwareVersion = MakeCaption(row, "sSoftwareVersion");
    sSoftwareVersionDisp = MakeValueBox(row, "sSoftwareVersionDisp");
    sDeviceSn = MakeCaption(row, "sDeviceSn");
    sDeviceSnDisp = MakeValueBox(row, "sDeviceSnDisp");
    layout->addWidget(sLastWrite);
    layout->addWidget(sLastWriteTime);
    layout->addSpacing(GapBetweenItems);
    layout->addWidget(sSoftwareVersion);
    layout->addWidget(sSoftwareVersionDisp);
    layout->addSpacing(GapBetweenItems);
    layout->addWidget(sDeviceSn);
    layout->addWidget(sDeviceSnDisp);
    layout->addStretch(1);

    bChBatchSet = new QPushButton(row);
    bChBatchSet->setObjectName("bChBatchSet");
    bChBatchSet->hide();
    layout->addWidget(bChBatchSet);
    return row;
}

void ChannelInfoPage::Refresh()
{
    sLastWrite->setText(Tr(TextEntry::LastProgramDate));
    sLastWriteTime->setText(QString::fromStdString(LastWriteText(settings_)));
    sSoftwareVersion->setText(Tr(TextEntry::FirmwareVersion));
    sSoftwareVersionDisp->setText(FieldDisplayText(settings_.SoftwareVersion, sizeof settings_.SoftwareVersion));
    sDeviceSn->setText(Tr(TextEntry::SerialNumber));
    sDeviceSnDisp->setText(FieldDisplayText(settings_.DeviceSn, sizeof settings_.DeviceSn));
    bChBatchSet->setText(Tr(TextEntry::BatchSet));
    Grid->Refresh();
}
