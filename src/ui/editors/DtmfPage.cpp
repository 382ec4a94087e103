#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "lang/AppLang.h"
#include "lang/ChannelTexts.h"
#include "lang/TextTable.h"
#include "ui/editors/AddressBook.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr int LastAutoResetSeconds = 255;
constexpr int LastDtmfId = 999;
constexpr int LastDtmfGroup = 99;

// Group codes are the DTMF symbols A to D, * and #, stored as their symbol codes 10 to 15.
constexpr int FirstGroupCode = 10;
constexpr int LastGroupCode = 15;

QStringList GroupCodeTexts()
{
    return QStringList{Tr(TextEntry::Off), "A", "B", "C", "D", "*", "#"};
}

IndexMapping GroupCodeMapping()
{
    constexpr int offset = FirstGroupCode - 1;
    return {[](int value) { return value >= FirstGroupCode && value <= LastGroupCode ? value - offset : 0; },
            [](int index) { return index == 0 ? 0 : index + offset; }};
}

std::vector<DtmfCodeBinding> CodeBoxes()
{
    return {
        {"eDizzy", "sDizzy", TextEntry::RemoteKill, &RadioSettings::RemoteStunCode,
         &RadioSettings::RemoteStunCodeLength},
        {"eStun", "sStun", TextEntry::RemoteStun, &RadioSettings::RemoteKillCode, &RadioSettings::RemoteKillCodeLength},
        {"eActivation", "sActivation", TextEntry::Revive, &RadioSettings::ActivationCode,
         &RadioSettings::ActivationCodeLength},
        {"eANI", "sANI", TextEntry::AniLocal, &RadioSettings::Ani, &RadioSettings::AniLength},
    };
}

DtmfCodeBinding PttIdBox()
{
    return {"ePTT_ID", "sPtt_Id", TextEntry::DtmfCode, &RadioSettings::PttId, &RadioSettings::PttIdLength};
}

ChoiceBinding StunKillStateList()
{
    return {"cbDizzyState", "sDizzyState", TextEntry::Status,
            [] { return EntryTexts({TextEntry::Revive, TextEntry::RemoteKill, TextEntry::RemoteStun}); },
            FieldOf(&RadioSettings::StunKillState), Linear(1, 0)};
}

std::vector<ChoiceBinding> CallLists()
{
    return {
        {"cbGroupCode", "sGroupCode", TextEntry::GroupCode, GroupCodeTexts, FieldOf(&RadioSettings::GroupCode),
         GroupCodeMapping()},
        {"cbAutoReset", "sAutoReset", TextEntry::AutoResetTime, [] { return OffThenNumbers(1, LastAutoResetSeconds); },
         FieldOf(&RadioSettings::AutoReset), Linear(1, 0)},
    };
}

std::vector<ChoiceBinding> TimingLists()
{
    return {
        {"cbD_EncodeMode", "sD_EncodeMode", TextEntry::EncodeMode,
         [] { return EntryTexts({TextEntry::Begin, TextEntry::End, TextEntry::BothBeginAndEnd}); },
         FieldOf(&RadioSettings::DtmfEncodeMode), Linear(1, 1)},
        {"cbD_DigitSpeed", "sD_DigitSpeed", TextEntry::DigitSpeed, [] { return NumberTexts(50, 200, 10); },
         FieldOf(&RadioSettings::DtmfDigitSpeed), Linear(10, 50)},
        {"cbD_PauseDuration", "sD_PauseDuration", TextEntry::PauseDuration, [] { return NumberTexts(50, 200, 10); },
         FieldOf(&RadioSettings::DtmfPauseDuration), Linear(10, 50)},
        {"cbD_FirstDelay", "sD_FirstDelay", TextEntry::FirstDelay, [] { return NumberTexts(0, 500, 50); },
         FieldOf(&RadioSettings::DtmfFirstDelay), Linear(50, 0)},
        {"cbD_Pretime", "sD_Pretime", TextEntry::Pretime, [] { return NumberTexts(100, 1000, 100); },
         FieldOf(&RadioSettings::DtmfPretime), Linear(100, 100)},
        {"cbD_Mi_Jing_Delay", "sD_Mi_Jing_Delay", TextEntry::StarHashDelay, [] { return NumberTexts(0, 400, 50); },
         FieldOf(&RadioSettings::DtmfStarHashDelay), Linear(50, 0)},
    };
}

// Kept in the record and the data file but not offered to the user: these controls stay hidden.
std::vector<ChoiceBinding> HiddenLists()
{
    return {
        {"cbD_ID", "sD_ID", TextEntry::Id, [] { return NumberTexts(1, LastDtmfId); }, FieldOf(&RadioSettings::DtmfId),
         Linear(1, 1)},
        {"cbD_Group", "sD_Group", TextEntry::Group, [] { return NumberTexts(1, LastDtmfGroup); },
         FieldOf(&RadioSettings::DtmfGroup), Linear(1, 1)},
        {"cbSquelchMode", "sSquelchMode", TextEntry::SquelchMode,
         [] { return DisplayTexts(ChSquelchModeTexts(AppLang().LangType())); },
         FieldOf(&RadioSettings::SquelchMode), Linear(1, 0)},
    };
}

std::vector<CheckBinding> HiddenChecks()
{
    return {
        {"cD_Control", TextEntry::DtmfOnOff, &RadioSettings::DtmfControl, TickedWhen::ExactlyOne},
        {"cLimited", TextEntry::Limited, &RadioSettings::Limited, TickedWhen::ExactlyOne},
    };
}

constexpr FormColumn CodeColumn{16, 16, 120, 110};
constexpr FormColumn TimingColumn{270, 16, 120, 150};
constexpr QPoint AddressBookPlace(566, 16);

}

void DtmfPage::PlaceCodeColumn()
{
    int row = 0;
    for (const DtmfCodeBinding& binding : CodeBoxes()) {
        const LabelledBox code = controls_.AddDtmfCode(binding);
        PlaceRow(CodeColumn, row++, code.label, code.box);
    }
    const LabelledList state = controls_.AddChoice(StunKillStateList());
    PlaceRow(CodeColumn, row++, state.label, state.list);
    PlaceRow(CodeColumn, row++,
             controls_.AddCheck({"cSendANI", TextEntry::SendAni, &RadioSettings::SendAni, TickedWhen::NonZero}));
    for (ChoiceBinding& binding : CallLists()) {
        const LabelledList list = controls_.AddChoice(std::move(binding));
        PlaceRow(CodeColumn, row++, list.label, list.list);
    }
    PlaceHiddenControls(row);
}

void DtmfPage::PlaceTimingColumn()
{
    int row = 0;
    for (ChoiceBinding& binding : TimingLists()) {
        const LabelledList list = controls_.AddChoice(std::move(binding));
        PlaceRow(TimingColumn, row++, list.label, list.list);
    }
    const CheckBinding sideTone{"cD_SideTone", TextEntry::SideTone, &RadioSettings::DtmfSideTone, TickedWhen::ExactlyOne};
    PlaceRow(TimingColumn, row, controls_.AddCheck(sideTone));
}

void DtmfPage::PlaceHiddenControls(int firstRow)
{
    int row = firstRow;
    const LabelledBox pttId = controls_.AddDtmfCode(PttIdBox());
    PlaceRow(CodeColumn, row++, pttId.label, pttId.box);
    pttId.label->hide();
    pttId.box->hide();
    for (ChoiceBinding& binding : HiddenLists()) {
        const LabelledList list = controls_.AddChoice(std::move(binding));
        PlaceRow(CodeColumn, row++, list.label, list.list);
        list.label->hide();
        list.list->hide();
    }
    for (const CheckBinding& binding : HiddenChecks()) {
        QCheckBox* box = controls_.AddCheck(binding);
        PlaceRow(CodeColumn, row++, box);
        box->hide();
    }
}

DtmfPage::DtmfPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), controls_(settings, this)
{
    setObjectName("TabSheet_Dtmf");
    PlaceCodeColumn();
    PlaceTimingColumn();
    addressBook_ = new AddressBook(settings, this, AddressBookPlace);
}

void DtmfPage::Refresh()
{
    controls_.Refresh();
    addressBook_->Refresh();
}
