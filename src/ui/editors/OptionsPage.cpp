#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

#include "lang/TextTable.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr int EntrySeconds = 243;
constexpr int SecondsPerTotStep = 30;
const std::vector<int> VoxDelayMilliseconds = {500, 1000, 1500, 2000, 2500, 3000};
const std::vector<int> ApoMinutes = {0, 10, 30, 60, 120};
constexpr double MillisecondsPerSecond = 1000.0;

QStringList VoxDelayTexts()
{
    QStringList texts;
    for (int ms : VoxDelayMilliseconds)
        texts << QString("%1 %2").arg(ms / MillisecondsPerSecond, 0, 'f', 1).arg(Tr(EntrySeconds));
    return texts;
}

// The lists in the order of their rows on the page.
std::vector<ChoiceBinding> OptionLists()
{
    return {
        {"cbSQL", "sSQL", 44, [] { return NumberTexts(0, 9); }, FieldOf(&RadioSettings::Sql), Linear(1, 0)},
        {"cbVOX", "sVOX", 46, [] { return NumberTexts(1, 9); }, FieldOf(&RadioSettings::Vox), Linear(1, 1)},
        {"cbVOX_DELAY", "sVOX_DELAY", 47, VoxDelayTexts, FieldOf(&RadioSettings::VoxDelay), ValueTable(VoxDelayMilliseconds)},
        {"cbTOT", "sTOT", 48, [] { return EntryTexts({EntryOff, 81, 82, 83, 84, 85, 86, 87, 88}); },
         FieldOf(&RadioSettings::Tot), Linear(SecondsPerTotStep, 0)},
        {"cbSCAN", "sSCAN", 54, [] { return EntryTexts({113, 112, 114}); }, FieldOf(&RadioSettings::Scan), Linear(1, 0)},
        {"cbPriScan", "sPriScan", 55, [] { return OffThenNumbers(1, int(ChannelCount)); },
         FieldOf(&RadioSettings::PriScan), Linear(1, 0)},
        {"cbSubaudioTail", "sSubaudioTail", 207, [] { return EntryTexts({209, 208, 210}); },
         FieldOf(&RadioSettings::SubaudioTail), Linear(1, 1)},
        {"cbVoice", "sVoice", 213, [] { return EntryTexts({EntryOff, 214, 215}); }, FieldOf(&RadioSettings::Voice),
         Linear(1, 0)},
        {"cbAlarmMode", "sAlarmMode", 217, [] { return EntryTexts({218, 219, 220}); },
         FieldOf(&RadioSettings::AlarmMode), Linear(1, 1)},
        {"cbAutoConnect_Pos", "sAutoConnect_Pos", 222, [] { return EntryTexts({223, 224}); },
         FieldOf(&RadioSettings::AutoConnectPos), Linear(1, 0)},
        {"cbMasterTxPeriod", "sMasterTxPeriod", 228, [] { return NumberTexts(5, 60); },
         FieldOf(&RadioSettings::MasterTxPeriod), Linear(1, 5)},
        {"cbSlaveTimeout", "sSlaveTimeout", 229, [] { return NumberTexts(5, 60); }, FieldOf(&RadioSettings::SlaveTimeout),
         Linear(1, 5)},
        {"cbSlaveAlarmPeriod", "sSlaveAlarmPeriod", 230, [] { return NumberTexts(2, 30); },
         FieldOf(&RadioSettings::SlaveAlarmPeriod), Linear(1, 2)},
        {"cb1750Hz", "s1750Hz", 53, [] { return EntryTexts({107, 108, 109, 110, 111}); },
         FieldOf(&RadioSettings::Tone1750), Linear(1, 1)},
    };
}

// Kept in the record and the data file, but the radio has no use for it: the control stays hidden.
ChoiceBinding ApoList()
{
    return {"cbAPO", "sAPO", 63, [] { return EntryTexts({EntryOff, 120, 121, 122, 123}); }, FieldOf(&RadioSettings::Apo),
            ValueTable(ApoMinutes)};
}

std::vector<CheckBinding> OptionChecks()
{
    return {
        {"cBeep", 68, &RadioSettings::Beep, TickedWhen::ExactlyOne},
        {"cPowerOnBeep", 225, &RadioSettings::PowerOnBeep, TickedWhen::NonZero},
        {"cSaving", 70, &RadioSettings::Saving, TickedWhen::ExactlyOne},
        {"cVoxCtrl", 193, &RadioSettings::VoxCtrl, TickedWhen::NonZero},
        {"cRefuseAlarm", 216, &RadioSettings::RefuseAlarm, TickedWhen::NonZero},
        {"cChannelReport", 195, &RadioSettings::ChannelReport, TickedWhen::NonZero},
        {"cAutoConnect", 221, &RadioSettings::AutoConnect, TickedWhen::NonZero},
        {"cWhisper", 67, &RadioSettings::Whisper, TickedWhen::ExactlyOne},
        {"c1750Hz_Ctrl", 53, &RadioSettings::Tone1750Ctrl, TickedWhen::NonZero},
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
