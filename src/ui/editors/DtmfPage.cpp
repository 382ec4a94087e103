#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "lang/TextTable.h"
#include "ui/editors/AddressBook.h"
#include "ui/editors/ChannelCells.h"
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
    return QStringList{Tr(EntryOff), "A", "B", "C", "D", "*", "#"};
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
        {"eDizzy", "sDizzy", 156, &RadioSettings::RemoteStunCode, &RadioSettings::RemoteStunCodeLength},
        {"eStun", "sStun", 157, &RadioSettings::RemoteKillCode, &RadioSettings::RemoteKillCodeLength},
        {"eActivation", "sActivation", 158, &RadioSettings::ActivationCode, &RadioSettings::ActivationCodeLength},
        {"eANI", "sANI", 226, &RadioSettings::Ani, &RadioSettings::AniLength},
    };
}

DtmfCodeBinding PttIdBox()
{
    return {"ePTT_ID", "sPtt_Id", 227, &RadioSettings::PttId, &RadioSettings::PttIdLength};
}

ChoiceBinding StunKillStateList()
{
    return {"cbDizzyState", "sDizzyState", 160, [] { return EntryTexts({158, 156, 157}); },
            FieldOf(&RadioSettings::StunKillState), Linear(1, 0)};
}

std::vector<ChoiceBinding> CallLists()
{
    return {
        {"cbGroupCode", "sGroupCode", 240, GroupCodeTexts, FieldOf(&RadioSettings::GroupCode), GroupCodeMapping()},
        {"cbAutoReset", "sAutoReset", 241, [] { return OffThenNumbers(1, LastAutoResetSeconds); },
         FieldOf(&RadioSettings::AutoReset), Linear(1, 0)},
    };
}

std::vector<ChoiceBinding> TimingLists()
{
    return {
        {"cbD_EncodeMode", "sD_EncodeMode", 133, [] { return EntryTexts({203, 204, 205}); },
         FieldOf(&RadioSettings::DtmfEncodeMode), Linear(1, 1)},
        {"cbD_DigitSpeed", "sD_DigitSpeed", 135, [] { return NumberTexts(50, 200, 10); },
         FieldOf(&RadioSettings::DtmfDigitSpeed), Linear(10, 50)},
        {"cbD_PauseDuration", "sD_PauseDuration", 136, [] { return NumberTexts(50, 200, 10); },
         FieldOf(&RadioSettings::DtmfPauseDuration), Linear(10, 50)},
        {"cbD_FirstDelay", "sD_FirstDelay", 137, [] { return NumberTexts(0, 500, 50); },
         FieldOf(&RadioSettings::DtmfFirstDelay), Linear(50, 0)},
        {"cbD_Pretime", "sD_Pretime", 138, [] { return NumberTexts(100, 1000, 100); },
         FieldOf(&RadioSettings::DtmfPretime), Linear(100, 100)},
        {"cbD_Mi_Jing_Delay", "sD_Mi_Jing_Delay", 140, [] { return NumberTexts(0, 400, 50); },
         FieldOf(&RadioSettings::DtmfStarHashDelay), Linear(50, 0)},
    };
}

// Kept in the record and the data file but not offered to the user: these controls stay hidden.
std::vector<ChoiceBinding> HiddenLists()
{
    return {
        {"cbD_ID", "sD_ID", 139, [] { return NumberTexts(1, LastDtmfId); }, FieldOf(&RadioSettings::DtmfId),
         Linear(1, 1)},
        {"cbD_Group", "sD_Group", 141, [] { return NumberTexts(1, LastDtmfGroup); }, FieldOf(&RadioSettings::DtmfGroup),
         Linear(1, 1)},
        {"cbSquelchMode", "sSquelchMode", 45, ChSquelchModeTexts, FieldOf(&RadioSettings::SquelchMode), Linear(1, 0)},
    };
}

std::vector<CheckBinding> HiddenChecks()
{
    return {
        {"cD_Control", 132, &RadioSettings::DtmfControl, TickedWhen::ExactlyOne},
        {"cLimited", 159, &RadioSettings::Limited, TickedWhen::ExactlyOne},
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
    PlaceRow(CodeColumn, row++, controls_.AddCheck({"cSendANI", 242, &RadioSettings::SendAni, TickedWhen::NonZero}));
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
    PlaceRow(TimingColumn, row, controls_.AddCheck({"cD_SideTone", 134, &RadioSettings::DtmfSideTone, TickedWhen::ExactlyOne}));
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
