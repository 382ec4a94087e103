#include "ui/SeriesPortList.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "lang/DisplayMessage.h"
#include "link/PortCandidates.h"
#include "link/dialogs/PortDialog.h"
#include "ports/SerialPortInfo.h"

namespace {

// Enough lines for a few cables without pushing the outcome list off a small screen.
constexpr int VisiblePortLines = 3;

QString Text(MessageId id) { return DisplayMessage({id}); }

QPushButton* NewButton(const char* objectName, MessageId caption, QWidget* parent)
{
    auto* button = new QPushButton(Text(caption), parent);
    button->setObjectName(objectName);
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    return button;
}

// "COM3 (/dev/ttyUSB0 — adapter)"; the name alone for a number the machine lacks.
QString PortLine(const std::string& port, const TeskComm32::PortDetails& details)
{
    const QString name = QString::fromStdString(port);
    return details.Path.empty() ? name : name + QStringLiteral(" (") + PortDetailText(details) + QChar(')');
}

QString PortOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString(); }

}

SeriesPortList::SeriesPortList(const LinkSettings& link, QWidget* parent)
    : QWidget(parent),
      lookup_(link.Ports),
      SeriesPorts(new QListWidget(this)),
      SeriesPortChoice(new QComboBox(this)),
      SeriesAddPort(NewButton("SeriesAddPort", MessageId::SeriesAddPort, this)),
      SeriesRemovePort(NewButton("SeriesRemovePort", MessageId::SeriesRemovePort, this))
{
    setObjectName("SeriesPortList");
    SeriesPorts->setObjectName("SeriesPorts");
    const std::string first = link.AutoSearchPort ? std::string() : ComPortName(link.PortNumber);
    auto* item = new QListWidgetItem(first.empty() ? AutoSearchText() : PortText(first), SeriesPorts);
    item->setData(Qt::UserRole, QString::fromStdString(first));
    // A long device path is cut short rather than scrolled, so that every line stays in view.
    SeriesPorts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SeriesPorts->setFixedHeight(SeriesPorts->sizeHintForRow(0) * VisiblePortLines + 2 * SeriesPorts->frameWidth());
    SeriesPortChoice->setObjectName("SeriesPortChoice");
    SeriesPortChoice->setAccessibleName(Text(MessageId::SeriesPortToAdd));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SeriesPorts, 0, 0);
    layout->addWidget(SeriesRemovePort, 0, 1, Qt::AlignTop);
    layout->addWidget(SeriesPortChoice, 1, 0);
    layout->addWidget(SeriesAddPort, 1, 1);
    layout->setColumnStretch(0, 1);
    // The keyboard goes through the controls as they stand, line by line.
    setTabOrder(SeriesPorts, SeriesRemovePort);
    setTabOrder(SeriesRemovePort, SeriesPortChoice);
    setTabOrder(SeriesPortChoice, SeriesAddPort);

    connect(SeriesAddPort, &QPushButton::clicked, this, &SeriesPortList::AddClick);
    connect(SeriesRemovePort, &QPushButton::clicked, this, &SeriesPortList::RemoveClick);
    connect(SeriesPorts, &QListWidget::currentRowChanged, this, &SeriesPortList::EnableButtons);
    OfferPorts();
}

std::vector<std::string> SeriesPortList::Ports() const
{
    std::vector<std::string> ports;
    for (int row = 0; row < SeriesPorts->count(); ++row)
        ports.push_back(PortOf(SeriesPorts->item(row)).toStdString());
    return ports;
}

QString SeriesPortList::PortText(const std::string& port) const
{
    return PortLine(port, TeskComm32::PortDetailsOf({port}, lookup_).front());
}

void SeriesPortList::AddClick()
{
    const QString port = SeriesPortChoice->currentData().toString();
    if (port.isEmpty())
        return;
    if (Ports() == std::vector<std::string>{std::string()})
        SeriesPorts->clear();
    auto* item = new QListWidgetItem(SeriesPortChoice->currentText(), SeriesPorts);
    item->setData(Qt::UserRole, port);
    SeriesPorts->setCurrentItem(item);
    OfferPorts();
}

void SeriesPortList::RemoveClick()
{
    if (SeriesPorts->count() < 2 || SeriesPorts->currentRow() < 0)
        return;
    delete SeriesPorts->takeItem(SeriesPorts->currentRow());
    OfferPorts();
}

// The ports the machine lists now, those in the list left out.
void SeriesPortList::OfferPorts()
{
    const std::vector<std::string> listed = Ports();
    std::vector<std::string> names;
    for (int number : RefreshPortCandidates(lookup_).Numbers)
        if (const std::string name = ComPortName(number); std::find(listed.begin(), listed.end(), name) == listed.end())
            names.push_back(name);
    const std::vector<TeskComm32::PortDetails> details = TeskComm32::PortDetailsOf(names, lookup_);
    SeriesPortChoice->clear();
    for (size_t k = 0; k < names.size(); ++k)
        SeriesPortChoice->addItem(PortLine(names[k], details[k]), QString::fromStdString(names[k]));
    EnableButtons();
}

void SeriesPortList::EnableButtons()
{
    SeriesAddPort->setEnabled(SeriesPortChoice->count() > 0);
    SeriesRemovePort->setEnabled(SeriesPorts->count() > 1 && SeriesPorts->currentRow() >= 0);
}
