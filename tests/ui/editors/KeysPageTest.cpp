#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include "EditorWindow.h"
#include "ui/editors/EditorPages.h"

namespace {

constexpr int MonitorMomentaryIndex = 3;
constexpr int ScanIndexInLongList = 4;

class KeysPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = new KeysPage(window.settings, &window);
        page->setGeometry(0, 40, 821, 400);
        page->Refresh();
        window.ShowActive();
    }

    QComboBox* List(const char* name) const { return page->findChild<QComboBox*>(name); }

    EditorWindow window;
    KeysPage* page = nullptr;
};

TEST_F(KeysPageTest, ShowsTheDefaultFunctions)
{
    EXPECT_EQ(page->objectName(), "TabSheet_Key");
    EXPECT_EQ(page->findChild<QGroupBox*>("gbKey_2")->title(), "Key 2");
    EXPECT_EQ(List("cbKey_1_Short")->count(), 24);
    EXPECT_EQ(List("cbKey_1_Long")->count(), 20);
    EXPECT_EQ(List("cbKey_1_Short")->currentText(), "Squelch Off Momentary");
    EXPECT_EQ(List("cbKey_1_Long")->currentText(), "Unassigned");
    EXPECT_EQ(List("cbKey_2_Short")->currentText(), "Battery Power Indicator");
    EXPECT_FALSE(page->findChild<QWidget*>("cChannelLock")->isVisible());
}

TEST_F(KeysPageTest, ListsStoreTheFunctionCodeOfTheChosenText)
{
    ChooseItem(List("cbKey_2_Long"), ScanIndexInLongList);
    window.LeaveControl();
    EXPECT_EQ(window.settings.Key2Long, 8);
    ChooseItem(List("cbKey_1_Short"), 23);
    window.LeaveControl();
    EXPECT_EQ(window.settings.Key1Short, 23);
}

TEST_F(KeysPageTest, AMomentaryShortPressLeavesTheLongPressUnassigned)
{
    window.settings.Key2Long = 8;
    page->Refresh();
    ChooseItem(List("cbKey_2_Short"), MonitorMomentaryIndex);
    EXPECT_EQ(List("cbKey_2_Short")->currentText(), "Monitor Momentary");
    EXPECT_EQ(List("cbKey_2_Long")->currentText(), "Unassigned");
    window.LeaveControl();
    EXPECT_EQ(window.settings.Key2Short, 3);
    EXPECT_EQ(window.settings.Key2Long, 0);

    ChooseItem(List("cbKey_2_Long"), ScanIndexInLongList);
    EXPECT_EQ(List("cbKey_2_Long")->currentText(), "Unassigned");
    window.LeaveControl();
    EXPECT_EQ(window.settings.Key2Long, 0);
}

TEST_F(KeysPageTest, ACodeTheLongListDoesNotOfferShowsNoSelectionAndIsKept)
{
    window.settings.Key1Long = 3;
    page->Refresh();
    EXPECT_EQ(List("cbKey_1_Long")->currentIndex(), -1);
    List("cbKey_1_Long")->setFocus();
    window.LeaveControl();
    EXPECT_EQ(window.settings.Key1Long, 3);
}

}
