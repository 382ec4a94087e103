#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

#include "lang/TextTable.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr int SecondsPerTotStep = 30;
const std::vector<int> VoxDelayMilliseconds = {500, 1000, 1500, 2000, 2500, 3000};
const std::vector<int> ApoMinutes = {0, 10, 30, 60, 120};
constexpr double MillisecondsPerSecond = 1000.0;

QStringList VoxDelayTexts()
{
    QStringList texts;
    for (int ms : VoxDelayMilliseconds)
        texts << QString("%1 %2").arg(ms / MillisecondsPerSecond, 0, 'f', 1).arg(Tr(TextEntry::Seconds));
    return texts;
}

QStringList TotTexts()
{
    return EntryTexts({TextEntry::Off, TextEntry::Tot30s, TextEntry::Tot60s, TextEntry::Tot90s, TextEntry::Tot120s,
                       TextEntry::Tot150s, TextEntry::Tot180s, TextEntry::Tot210s, TextEntry::Tot240s});
}

QStringList Hold1750HzTexts()
{
    return EntryTexts({TextEntry::Hold1s, TextEntry::Hold2s, TextEntry::Hold3s, TextEntry::Hold4s, TextEntry::Hold5s});
}

QStringList ApoTexts()
{
    return EntryTexts({TextEntry::Off, TextEntry::Apo10m, TextEntry::Apo30m, TextEntry::Apo1h, TextEntry::Apo2h});
}

// The lists in the order of their rows on the page.
std::vector<ChoiceBinding> OptionLists()
{
    return {
        {"cbSQL", "sSQL", TextEntry::Sql, [] { return NumberTexts(0, 9); }, FieldOf(&RadioSettings::Sql), Linear(1, 0)},
        {"cbVOX", "sVOX", TextEntry::VoxGain, [] { return NumberTexts(1, 9); }, FieldOf(&RadioSettings::Vox),
         Linear(1, 1)},
        {"cbVOX_DELAY", "sVOX_DELAY", TextEntry::VoxDelay, VoxDelayTexts, FieldOf(&RadioSettings::VoxDelay),
         ValueTable(VoxDelayMilliseconds)},
        {"cbTOT", "sTOT", TextEntry::Tot, TotTexts, FieldOf(&RadioSettings::Tot), Linear(SecondsPerTotStep, 0)},
        {"cbSCAN", "sSCAN", TextEntry::ScanResume,
         [] { return EntryTexts({TextEntry::ResumeTime, TextEntry::ResumeCarrier, TextEntry::ResumeSeek}); },
         FieldOf(&RadioSettings::Scan), Linear(1, 0)},
        {"cbPriScan", "sPriScan", TextEntry::PriorityScan, [] { return OffThenNumbers(1, int(ChannelCount)); },
         FieldOf(&RadioSettings::PriScan), Linear(1, 0)},
        {"cbSubaudioTail", "sSubaudioTail", TextEntry::TailSuppression,
         [] { return EntryTexts({TextEntry::Phase180Degree, TextEntry::Phase120Degree, TextEntry::Tone55Hz}); },
         FieldOf(&RadioSettings::SubaudioTail), Linear(1, 1)},
        {"cbVoice", "sVoice", TextEntry::Voice,
         [] { return EntryTexts({TextEntry::Off, TextEntry::Chinese, TextEntry::English}); },
         FieldOf(&RadioSettings::Voice), Linear(1, 0)},
        {"cbAlarmMode", "sAlarmMode", TextEntry::AlarmMode,
         [] { return EntryTexts({TextEntry::LocalAlarm, TextEntry::EncodingAlarm, TextEntry::BothLocalAndEncoding}); },
         FieldOf(&RadioSettings::AlarmMode), Linear(1, 1)},
        {"cbAutoConnect_Pos", "sAutoConnect_Pos", TextEntry::AutoConnectPos,
         [] { return EntryTexts({TextEntry::Master, TextEntry::Slave}); },
         FieldOf(&RadioSettings::AutoConnectPos), Linear(1, 0)},
        {"cbMasterTxPeriod", "sMasterTxPeriod", TextEntry::MasterTxPeriod, [] { return NumberTexts(5, 60); },
         FieldOf(&RadioSettings::MasterTxPeriod), Linear(1, 5)},
        {"cbSlaveTimeout", "sSlaveTimeout", TextEntry::SlaveTimeout, [] { return NumberTexts(5, 60); },
         FieldOf(&RadioSettings::SlaveTimeout), Linear(1, 5)},
        {"cbSlaveAlarmPeriod", "sSlaveAlarmPeriod", TextEntry::SlaveAlarmPeriod, [] { return NumberTexts(2, 30); },
         FieldOf(&RadioSettings::SlaveAlarmPeriod), Linear(1, 2)},
        {"cb1750Hz", "s1750Hz", TextEntry::Hold1750Hz, Hold1750HzTexts,
         FieldOf(&RadioSettings::Tone1750), Linear(1, 1)},
    };
}

// Kept in the record and the data file, but the radio has no use for it: the control stays hidden.
ChoiceBinding ApoList()
{
    return {"cbAPO", "sAPO", TextEntry::Apo, ApoTexts, FieldOf(&RadioSettings::Apo), ValueTable(ApoMinutes)};
}

std::vector<CheckBinding> OptionChecks()
{
    return {
        {"cBeep", TextEntry::KeyBeep, &RadioSettings::Beep, TickedWhen::ExactlyOne},
        {"cPowerOnBeep", TextEntry::PowerOnBeep, &RadioSettings::PowerOnBeep, TickedWhen::NonZero},
        {"cSaving", TextEntry::BatterySave, &RadioSettings::Saving, TickedWhen::ExactlyOne},
        {"cVoxCtrl", TextEntry::VoxOnOff, &RadioSettings::VoxCtrl, TickedWhen::NonZero},
        {"cRefuseAlarm", TextEntry::RefuseAlarm, &RadioSettings::RefuseAlarm, TickedWhen::NonZero},
        {"cChannelReport", TextEntry::ChannelReport, &RadioSettings::ChannelReport, TickedWhen::NonZero},
        {"cAutoConnect", TextEntry::AutoConnect, &RadioSettings::AutoConnect, TickedWhen::NonZero},
        {"cWhisper", TextEntry::Whisper, &RadioSettings::Whisper, TickedWhen::ExactlyOne},
        {"c1750Hz_Ctrl", TextEntry::Hold1750Hz, &RadioSettings::Tone1750Ctrl, TickedWhen::NonZero},
    };
}

constexpr QRect BevelArea(16, 12, 580, 356);
constexpr FormColumn ListColumn{32, 24, 150, 186};
constexpr FormColumn CheckColumn{410, 24, 0, 170};

}

OptionsPage::OptionsPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), controls_(settings, this)
{
    setObjectName("TabSheet_Option");
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(BevelArea);

    int row = 0;
    for (ChoiceBinding& binding : OptionLists()) {
        const LabelledList list = controls_.AddChoice(std::move(binding));
        PlaceRow(ListColumn, row++, list.label, list.list);
    }
    const LabelledList apo = controls_.AddChoice(ApoList());
    PlaceRow(ListColumn, row, apo.label, apo.list);
    apo.label->hide();
    apo.list->hide();

    row = 0;
    for (const CheckBinding& binding : OptionChecks())
        PlaceRow(CheckColumn, row++, controls_.AddCheck(binding));
}

void OptionsPage::Refresh() { controls_.Refresh(); }
