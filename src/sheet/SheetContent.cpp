#include "sheet/SheetContent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>

#include "lang/ExchangeTexts.h"
#include "lang/TextTable.h"
#include "model/Frequency.h"
#include "ui/ModelName.h"
#include "ui/editors/EditorPages.h"
#include "ui/editors/NameText.h"
#include "ui/editors/TitledGrid.h"

namespace {

enum Entry {
    ChannelNameEntry = 24,
    OptionPageEntry = 35,
    KeyPageEntry = 174,
    SerialNumberEntry = 200,
    OnEntry = 201,
    OffEntry = 202,
    FirmwareEntry = 211,
    BandEntry = 238,
};

const QString ChannelGridName = QStringLiteral("StringGrid1");
const QString ListPrefix = QStringLiteral("cb");
const QString LabelPrefix = QStringLiteral("s");

QString FrequencyText(uint32_t hz) { return QString::fromStdString(FormatFrequency(hz)); }

std::vector<LabelledValue> Facts(const RadioSettings& s, const SheetFacts& facts)
{
    const QString band = QString("%1 - %2 MHz").arg(FrequencyText(facts.band.BandMin), FrequencyText(facts.band.BandMax));
    return {
        {ExchangeTr(ExchangeText::SheetFile), facts.fileName},
        {ExchangeTr(ExchangeText::SheetDate), facts.date.toString(Qt::ISODate)},
        {Tr(BandEntry), band},
        {Tr(FirmwareEntry), NameFromBytes(s.SoftwareVersion, SoftwareVersionFieldSize)},
        {Tr(SerialNumberEntry), NameFromBytes(s.DeviceSn, DeviceSnSize)},
    };
}

// The grid's cells, with each channel's name beside them.
std::vector<QStringList> ChannelRows(RadioSettings& copy)
{
    ChannelGridEditor editor(copy, nullptr);
    editor.Refresh();
    const auto* grid = editor.findChild<QTableWidget*>(ChannelGridName);
    std::vector<QStringList> rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << CellText(grid, r, c);
        const auto channel = unsigned(r);
        if (r == 0)
            cells << Tr(ChannelNameEntry);
        else
            cells << (copy.IsChannelUsed(channel) ? NameFromBytes(copy.Channel[channel].Name, NameCapacity) : QString());
        rows.push_back(cells);
    }
    return rows;
}

QString CheckText(const QCheckBox* box) { return Tr(box->isChecked() ? OnEntry : OffEntry); }

// Every list shown on a page with its label ("cbSQL" beside "sSQL"), then every check box.
std::vector<LabelledValue> PageValues(const QWidget& page)
{
    std::vector<LabelledValue> values;
    for (const QComboBox* list : page.findChildren<QComboBox*>()) {
        if (list->isHidden())
            continue;
        const auto* label = page.findChild<QLabel*>(LabelPrefix + list->objectName().mid(ListPrefix.size()));
        const auto* group = qobject_cast<const QGroupBox*>(list->parentWidget());
        const QString title = group ? group->title() + " " : QString();
        values.push_back({title + (label ? label->text() : QString()), list->currentText()});
    }
    for (const QCheckBox* box : page.findChildren<QCheckBox*>())
        if (!box->isHidden())
            values.push_back({box->text(), CheckText(box)});
    return values;
}

}

SheetContent GatherSheetContent(const RadioSettings& settings, const SheetFacts& facts)
{
    RadioSettings copy = settings;
    SheetContent content;
    content.title = QString("%1 %2").arg(QString::fromLatin1(ModelName), ExchangeTr(ExchangeText::SheetTitle));
    content.facts = Facts(copy, facts);
    content.channelRows = ChannelRows(copy);
    OptionsPage options(copy, nullptr);
    options.Refresh();
    content.optionsTitle = Tr(OptionPageEntry);
    content.options = PageValues(options);
    KeysPage keys(copy, nullptr);
    keys.Refresh();
    content.keysTitle = Tr(KeyPageEntry);
    content.keys = PageValues(keys);
    return content;
}
