#include "sheet/SheetContent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "lang/ChannelTexts.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "model/Frequency.h"
#include "model/ModelName.h"
#include "ui/editors/EditorPages.h"
#include "ui/editors/NameText.h"

namespace {

const QString ListPrefix = QStringLiteral("cb");
const QString LabelPrefix = QStringLiteral("s");

QString FrequencyText(uint32_t hz) { return QString::fromStdString(FormatFrequency(hz)); }

std::vector<LabelledValue> Facts(const RadioSettings& s, const SheetFacts& facts)
{
    const QString band = QString("%1 - %2 MHz").arg(FrequencyText(facts.band.BandMin), FrequencyText(facts.band.BandMax));
    return {
        {DisplayMessage({MessageId::SheetFile}), facts.fileName},
        {DisplayMessage({MessageId::SheetDate}), facts.date.toString(Qt::ISODate)},
        {Tr(TextEntry::FrequencyBand), band},
        {Tr(TextEntry::FirmwareVersion), NameFromBytes(s.SoftwareVersion, SoftwareVersionFieldSize)},
        {Tr(TextEntry::SerialNumber), NameFromBytes(s.DeviceSn, DeviceSnSize)},
    };
}

// The grid's texts, channel by channel, from the source the grid and the dump use as well.
std::vector<QStringList> ChannelRows(const RadioSettings& s)
{
    std::vector<QStringList> rows{ChannelColumnTitles()};
    for (unsigned channel = 1; channel <= ChannelCount; ++channel) {
        QStringList cells;
        for (int column = 0; column < ChannelColumnCount; ++column)
            cells << ChannelCellText(s, channel, ChannelColumn(column));
        rows.push_back(cells);
    }
    return rows;
}

QString CheckText(const QCheckBox* box) { return Tr(box->isChecked() ? TextEntry::DtmfOn : TextEntry::DtmfOff); }

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
    content.title = QString("%1 %2").arg(QString::fromLatin1(ModelName), DisplayMessage({MessageId::SheetTitle}));
    content.facts = Facts(copy, facts);
    content.channelRows = ChannelRows(copy);
    OptionsPage options(copy, nullptr);
    options.Refresh();
    content.optionsTitle = Tr(TextEntry::OptionalFeatures);
    content.options = PageValues(options);
    KeysPage keys(copy, nullptr);
    keys.Refresh();
    content.keysTitle = Tr(TextEntry::KeyAssignment);
    content.keys = PageValues(keys);
    return content;
}
