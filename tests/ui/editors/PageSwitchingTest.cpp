#include <gtest/gtest.h>

#include <cstring>

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "EditorWindow.h"
#include "ui/editors/EditorPages.h"

namespace {

// The four editors on tab pages, as the main window holds them.
class PageSwitching : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.band = {136000000, 174000000};
        tabs = new QTabWidget(&window);
        tabs->setGeometry(0, 20, 829, 440);
        auto* channelPage = new QWidget;
        grid = new ChannelGridEditor(window.settings, window.band, channelPage);
        options = new OptionsPage(window.settings, nullptr);
        dtmf = new DtmfPage(window.settings, nullptr);
        keys = new KeysPage(window.settings, nullptr);
        tabs->addTab(channelPage, "channels");
        tabs->addTab(options, "options");
        tabs->addTab(dtmf, "DTMF");
        tabs->addTab(keys, "keys");
        RefreshAll();
        window.ShowActive();
    }

    void RefreshAll()
    {
        grid->Refresh();
        options->Refresh();
        dtmf->Refresh();
        keys->Refresh();
    }

    template <typename T>
    T* Find(const char* name) const
    {
        return window.findChild<T*>(name);
    }

    EditorWindow window;
    QTabWidget* tabs = nullptr;
    ChannelGridEditor* grid = nullptr;
    OptionsPage* options = nullptr;
    DtmfPage* dtmf = nullptr;
    KeysPage* keys = nullptr;
};

TEST_F(PageSwitching, ChangingTheTabCommitsTheListBeingEdited)
{
    tabs->setCurrentWidget(options);
    ChooseItem(Find<QComboBox>("cbSQL"), 1);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(window.settings.Sql, 1);
}

TEST_F(PageSwitching, TheGridTakingTheFocusCommitsAnOptionBeforeASave)
{
    tabs->setCurrentWidget(options);
    ChooseItem(Find<QComboBox>("cbTOT"), 2);
    tabs->setCurrentIndex(0);
    Find<QTableWidget>("StringGrid1")->setFocus();
    EXPECT_EQ(int(window.settings.Tot), 60);
}

TEST_F(PageSwitching, ChangingTheTabCommitsAnOpenCellEditor)
{
    auto* table = Find<QTableWidget>("StringGrid1");
    ClickCell(table, 1, 1);
    QTest::keyClick(table, Qt::Key_1);
    QTest::keyClicks(Find<QLineEdit>("Edit_ChFreq"), "46.5");
    tabs->setCurrentWidget(keys);
    EXPECT_EQ(uint32_t(window.settings.Channel[1].RxFreq), 146500000u);
    EXPECT_FALSE(Find<QLineEdit>("Edit_ChFreq")->isVisibleTo(grid));
}

TEST_F(PageSwitching, SwitchingTheLanguageKeepsEveryValue)
{
    auto* table = Find<QTableWidget>("StringGrid1");
    ClickCell(table, 1, 1);
    QTest::keyClick(table, Qt::Key_1);
    QTest::keyClicks(Find<QLineEdit>("Edit_ChFreq"), "46.5");
    window.LeaveControl();
    DoubleClickCell(table, 1, 5);
    tabs->setCurrentWidget(options);
    ChooseItem(Find<QComboBox>("cbVoice"), 2);
    ChooseItem(Find<QComboBox>("cbAlarmMode"), 1);
    tabs->setCurrentWidget(dtmf);
    ChooseItem(Find<QComboBox>("cbDizzyState"), 1);
    tabs->setCurrentWidget(keys);
    ChooseItem(Find<QComboBox>("cbKey_2_Long"), 5);
    window.LeaveControl();

    RadioSettings before = window.settings;
    const QString longKeyBefore = Find<QComboBox>("cbKey_2_Long")->currentText();
    UseSimplifiedChinese();
    RefreshAll();
    EXPECT_EQ(std::memcmp(&before, &window.settings, sizeof before), 0);
    EXPECT_EQ(table->item(1, 5)->text(), QString::fromUtf8("低"));
    EXPECT_EQ(Find<QComboBox>("cbVoice")->currentText(), QString::fromUtf8("英文"));
    EXPECT_EQ(Find<QComboBox>("cbAlarmMode")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>("cbDizzyState")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>("cbKey_2_Long")->currentIndex(), 5);
    EXPECT_NE(Find<QComboBox>("cbKey_2_Long")->currentText(), longKeyBefore);

    Find<QComboBox>("cbKey_2_Long")->setFocus();
    window.LeaveControl();
    EXPECT_EQ(std::memcmp(&before, &window.settings, sizeof before), 0) << "texts are looked up in the new language";
    UseEnglish();
}

}

namespace {

// Closing the window while an edit is open destroys the editors that hold the focus.
TEST(EditorLifetime, APageCanBeDestroyedWhileOneOfItsControlsHasTheFocus)
{
    const struct {
        const char* focused;
        QWidget* (*make)(RadioSettings&, QWidget*);
    } cases[] = {
        {"cbSQL", [](RadioSettings& s, QWidget* w) -> QWidget* { return new OptionsPage(s, w); }},
        {"eANI", [](RadioSettings& s, QWidget* w) -> QWidget* { return new DtmfPage(s, w); }},
        {"cbKey_1_Short", [](RadioSettings& s, QWidget* w) -> QWidget* { return new KeysPage(s, w); }},
    };
    for (const auto& c : cases) {
        EditorWindow window;
        QWidget* page = c.make(window.settings, &window);
        page->resize(821, 400);
        window.ShowActive();
        QWidget* control = page->findChild<QWidget*>(c.focused);
        control->setFocus();
        ASSERT_TRUE(control->hasFocus()) << c.focused;
        delete page;
    }
    EditorWindow window;
    auto* grid = new ChannelGridEditor(window.settings, window.band, &window);
    grid->Refresh();
    window.ShowActive();
    auto* table = grid->findChild<QTableWidget*>("StringGrid1");
    ClickCell(table, 1, 1);
    QTest::keyClick(table, Qt::Key_1);
    ASSERT_TRUE(grid->findChild<QLineEdit*>("Edit_ChFreq")->hasFocus());
    delete grid;
}

}
