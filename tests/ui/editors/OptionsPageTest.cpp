#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "EditorWindow.h"
#include "ui/editors/EditorPages.h"

namespace {

class OptionsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = new OptionsPage(window.settings, &window);
        page->setGeometry(0, 40, 821, 400);
        page->Refresh();
        window.ShowActive();
    }

    QComboBox* List(const char* name) const { return page->findChild<QComboBox*>(name); }
    QCheckBox* Box(const char* name) const { return page->findChild<QCheckBox*>(name); }

    EditorWindow window;
    OptionsPage* page = nullptr;
};

TEST_F(OptionsPageTest, IsTheOptionTabPage)
{
    EXPECT_EQ(page->objectName(), "TabSheet_Option");
    EXPECT_TRUE(page->findChild<QWidget*>("Bevel1"));
}

struct ListCase {
    const char* list;
    const char* label;
    const char* labelText;
    int items;
    int defaultIndex;
    const char* defaultText;
};

TEST_F(OptionsPageTest, ListsShowTheirItemsAndTheDefaults)
{
    const ListCase cases[] = {
        {"cbSQL", "sSQL", "SQL", 10, 5, "5"},
        {"cbVOX", "sVOX", "VOX Gain", 9, 7, "8"},
        {"cbVOX_DELAY", "sVOX_DELAY", "VOX Delay", 6, 3, "2.0 S"},
        {"cbTOT", "sTOT", "TOT", 9, 6, "180s"},
        {"cbSCAN", "sSCAN", "Scan Resume", 3, 1, "Carrier"},
        {"cbPriScan", "sPriScan", "Priority Scan", 17, 0, "OFF"},
        {"cbSubaudioTail", "sSubaudioTail", "Tail Suppression", 3, 2, "55Hz"},
        {"cbVoice", "sVoice", "Voice", 3, 1, "Chinese"},
        {"cbAlarmMode", "sAlarmMode", "Alarm Mode", 3, 0, "Local Alarm"},
        {"cbAutoConnect_Pos", "sAutoConnect_Pos", "Auto Connect Pos", 2, 0, "Master"},
        {"cbMasterTxPeriod", "sMasterTxPeriod", "Master Tx Period", 56, 0, "5"},
        {"cbSlaveTimeout", "sSlaveTimeout", "Slave Timeout", 56, 5, "10"},
        {"cbSlaveAlarmPeriod", "sSlaveAlarmPeriod", "Slave Alarm Period", 29, 0, "2"},
        {"cb1750Hz", "s1750Hz", "1750Hz Hold", 5, 2, "3s"},
        {"cbAPO", "sAPO", "APO", 5, 0, "OFF"},
    };
    for (const auto& c : cases) {
        QComboBox* list = List(c.list);
        ASSERT_TRUE(list) << c.list;
        EXPECT_EQ(page->findChild<QLabel*>(c.label)->text(), c.labelText) << c.list;
        EXPECT_EQ(list->count(), c.items) << c.list;
        EXPECT_EQ(list->currentIndex(), c.defaultIndex) << c.list;
        EXPECT_EQ(list->currentText(), c.defaultText) << c.list;
        EXPECT_FALSE(list->isEditable()) << c.list;
    }
    EXPECT_EQ(List("cbVOX_DELAY")->itemText(0), "0.5 S");
    EXPECT_FALSE(List("cbAPO")->isVisible());
    EXPECT_FALSE(page->findChild<QLabel*>("sAPO")->isVisible());
}

struct StoreCase {
    const char* list;
    int chosen;
    int (*stored)(const RadioSettings&);
    int expected;
};

TEST_F(OptionsPageTest, LeavingAListStoresItsConvertedValue)
{
    const StoreCase cases[] = {
        {"cbSQL", 9, [](const RadioSettings& s) { return int(s.Sql); }, 9},
        {"cbVOX", 0, [](const RadioSettings& s) { return int(s.Vox); }, 1},
        {"cbVOX_DELAY", 5, [](const RadioSettings& s) { return int(s.VoxDelay); }, 3000},
        {"cbTOT", 8, [](const RadioSettings& s) { return int(s.Tot); }, 240},
        {"cbTOT", 0, [](const RadioSettings& s) { return int(s.Tot); }, 0},
        {"cbPriScan", 16, [](const RadioSettings& s) { return int(s.PriScan); }, 16},
        {"cbSubaudioTail", 0, [](const RadioSettings& s) { return int(s.SubaudioTail); }, 1},
        {"cbAlarmMode", 2, [](const RadioSettings& s) { return int(s.AlarmMode); }, 3},
        {"cbMasterTxPeriod", 55, [](const RadioSettings& s) { return int(s.MasterTxPeriod); }, 60},
        {"cbSlaveAlarmPeriod", 28, [](const RadioSettings& s) { return int(s.SlaveAlarmPeriod); }, 30},
        {"cb1750Hz", 4, [](const RadioSettings& s) { return int(s.Tone1750); }, 5},
    };
    for (const auto& c : cases) {
        ChooseItem(List(c.list), c.chosen);
        window.LeaveControl();
        EXPECT_EQ(c.stored(window.settings), c.expected) << c.list;
    }
}

TEST_F(OptionsPageTest, NothingIsStoredWhileTheUserBrowsesAList)
{
    ChooseItem(List("cbSQL"), 2);
    EXPECT_EQ(window.settings.Sql, 5);
    window.LeaveControl();
    EXPECT_EQ(window.settings.Sql, 2);
}

TEST_F(OptionsPageTest, AStoredValueOutsideTheListShowsNoSelectionAndSurvivesLeavingIt)
{
    window.settings.VoxDelay = 1200;
    window.settings.Tot = 600;
    page->Refresh();
    EXPECT_EQ(List("cbVOX_DELAY")->currentIndex(), -1);
    EXPECT_EQ(List("cbVOX_DELAY")->currentText(), "");
    EXPECT_EQ(List("cbTOT")->currentIndex(), -1);
    List("cbVOX_DELAY")->setFocus();
    List("cbTOT")->setFocus();
    window.LeaveControl();
    EXPECT_EQ(int(window.settings.VoxDelay), 1200);
    EXPECT_EQ(int(window.settings.Tot), 600);
}

TEST_F(OptionsPageTest, CheckBoxesShowTheirFieldsAndStoreOneOrZero)
{
    window.settings.Whisper = 2;
    window.settings.ChannelReport = 2;
    window.settings.Beep = 2;
    page->Refresh();
    EXPECT_FALSE(Box("cWhisper")->isChecked()) << "whisper is ticked only by exactly 1";
    EXPECT_FALSE(Box("cBeep")->isChecked()) << "key beep is ticked only by exactly 1";
    EXPECT_TRUE(Box("cChannelReport")->isChecked()) << "channel report is ticked by any non-zero value";

    ClickCheckBox(Box("cWhisper"));
    ClickCheckBox(Box("cChannelReport"));
    window.LeaveControl();
    EXPECT_EQ(window.settings.Whisper, 1);
    EXPECT_EQ(window.settings.ChannelReport, 0);
}

TEST_F(OptionsPageTest, EveryCheckBoxHasItsCaption)
{
    const struct {
        const char* box;
        const char* caption;
        bool ticked;
    } cases[] = {
        {"cBeep", "Key Beep", true},           {"cPowerOnBeep", "Power On Beep", true},
        {"cSaving", "Battery Save", true},     {"cVoxCtrl", "Vox On/Off", false},
        {"cRefuseAlarm", "Refuse Alarm", false}, {"cChannelReport", "Channel Report", true},
        {"cAutoConnect", "Auto Connect", false}, {"cWhisper", "Whisper", false},
        {"c1750Hz_Ctrl", "1750Hz Hold", false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Box(c.box)) << c.box;
        EXPECT_EQ(Box(c.box)->text(), c.caption);
        EXPECT_EQ(Box(c.box)->isChecked(), c.ticked) << c.box;
    }
}

}
