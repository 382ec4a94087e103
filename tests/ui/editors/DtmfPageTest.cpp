#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "EditorWindow.h"
#include "ui/editors/EditorPages.h"

namespace {

enum AddressBookColumn { NameColumn = 1, CodeColumn = 2 };

class DtmfPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = new DtmfPage(window.settings, &window);
        page->setGeometry(0, 40, 821, 400);
        page->Refresh();
        window.ShowActive();
        book = page->findChild<QTableWidget*>("sgD_AddrBook");
        nameEditor = page->findChild<QLineEdit*>("eD_AddrBook_name");
        codeEditor = page->findChild<QLineEdit*>("eD_AddrBook_id");
        ASSERT_TRUE(book && nameEditor && codeEditor);
    }

    QLineEdit* Box(const char* name) const { return page->findChild<QLineEdit*>(name); }
    QComboBox* List(const char* name) const { return page->findChild<QComboBox*>(name); }
    QString Cell(int row, int column) const { return book->item(row, column)->text(); }

    void TypeInto(QLineEdit* box, const QString& keys)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
        window.LeaveControl();
    }

    void EditCell(int row, int column, const QString& keys)
    {
        DoubleClickCell(book, row, column);
        QLineEdit* editor = column == NameColumn ? nameEditor : codeEditor;
        ASSERT_TRUE(editor->isVisible());
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    EditorWindow window;
    DtmfPage* page = nullptr;
    QTableWidget* book = nullptr;
    QLineEdit* nameEditor = nullptr;
    QLineEdit* codeEditor = nullptr;
};

TEST_F(DtmfPageTest, TheAniBoxUpperCasesAndStoresSymbolCodes)
{
    TypeInto(Box("eANI"), "12ab*#");
    EXPECT_EQ(Box("eANI")->text(), "12AB*#");
    const uint8_t expected[10] = {1, 2, 10, 11, 14, 15, 0, 0, 0, 0};
    EXPECT_EQ(window.settings.AniLength, 6);
    EXPECT_EQ(std::memcmp(window.settings.Ani, expected, sizeof expected), 0);
}

TEST_F(DtmfPageTest, EveryCodeBoxDropsForeignKeysAndAnEleventhSymbol)
{
    const struct {
        const char* box;
        const uint8_t* length;
    } cases[] = {
        {"eDizzy", &window.settings.RemoteStunCodeLength},
        {"eStun", &window.settings.RemoteKillCodeLength},
        {"eActivation", &window.settings.ActivationCodeLength},
        {"eANI", &window.settings.AniLength},
        {"ePTT_ID", &window.settings.PttIdLength},
    };
    for (const auto& c : cases) {
        QLineEdit* box = Box(c.box);
        ASSERT_TRUE(box) << c.box;
        box->setFocus();
        QTest::keyClicks(box, "1e2.3x45678901");
        EXPECT_EQ(box->text(), "1234567890") << c.box;
        window.LeaveControl();
        if (box->isVisible()) {
            EXPECT_EQ(*c.length, 10) << c.box;
        }
    }
    EXPECT_FALSE(Box("ePTT_ID")->isVisible()) << "kept in the record, never shown";
}

TEST_F(DtmfPageTest, ARefusedKeyOverASelectedCodeKeepsTheCode)
{
    TypeInto(Box("eANI"), "123");
    Box("eANI")->setFocus();
    Box("eANI")->selectAll();
    QTest::keyClicks(Box("eANI"), "x");
    window.LeaveControl();
    EXPECT_EQ(Box("eANI")->text(), "123");
    EXPECT_EQ(window.settings.AniLength, 3);
}

// Pasted text passes no key filter: the box keeps what a typed code would have become.
TEST_F(DtmfPageTest, APastedCodeIsStoredAndShownAsItsSymbols)
{
    QLineEdit* box = Box("eANI");
    box->setFocus();
    box->setText("12ab-*x#");
    window.LeaveControl();
    EXPECT_EQ(box->text(), "12AB*#");
    EXPECT_EQ(window.settings.AniLength, 6);
    EXPECT_EQ(window.settings.Ani[3], 11);

    EditCell(4, NameColumn, "Car");
    DoubleClickCell(book, 4, CodeColumn);
    codeEditor->setText("9c");
    QTest::keyClick(codeEditor, Qt::Key_Return);
    EXPECT_EQ(Cell(4, CodeColumn), "9C");
    EXPECT_EQ(window.settings.Entry(4).IdLength, 2);
}

TEST_F(DtmfPageTest, APastedCodeWithoutSymbolsEmptiesTheEntry)
{
    EditCell(4, NameColumn, "Car");
    DoubleClickCell(book, 4, CodeColumn);
    codeEditor->setText("xyz");
    QTest::keyClick(codeEditor, Qt::Key_Return);
    EXPECT_FALSE(window.settings.IsAddrBookEntryUsed(4));
    EXPECT_EQ(Cell(4, NameColumn), "");
}

TEST_F(DtmfPageTest, CodesAreShownAgainByTheRefresh)
{
    TypeInto(Box("eDizzy"), "C0D*");
    Box("eDizzy")->clear();
    page->Refresh();
    EXPECT_EQ(Box("eDizzy")->text(), "C0D*");
    EXPECT_EQ(page->findChild<QLabel*>("sDizzy")->text(), "Remote Kill");
}

TEST_F(DtmfPageTest, GroupCodeShowsItsSymbolAndStoresItsCode)
{
    window.settings.GroupCode = 12;
    page->Refresh();
    EXPECT_EQ(List("cbGroupCode")->currentText(), "C");
    const struct {
        int chosen;
        int stored;
    } cases[] = {{6, 15}, {0, 0}, {1, 10}};
    for (const auto& c : cases) {
        ChooseItem(List("cbGroupCode"), c.chosen);
        window.LeaveControl();
        EXPECT_EQ(window.settings.GroupCode, c.stored) << c.chosen;
    }
    window.settings.GroupCode = 9;
    page->Refresh();
    EXPECT_EQ(List("cbGroupCode")->currentText(), "OFF");
}

TEST_F(DtmfPageTest, TimingListsConvertBetweenPositionsAndMilliseconds)
{
    const struct {
        const char* list;
        int items;
        const char* shownByDefault;
        int chosen;
        int (*stored)(const RadioSettings&);
        int expected;
    } cases[] = {
        {"cbD_EncodeMode", 3, "Begin", 2, [](const RadioSettings& s) { return int(s.DtmfEncodeMode); }, 3},
        {"cbD_DigitSpeed", 16, "100", 15, [](const RadioSettings& s) { return int(s.DtmfDigitSpeed); }, 200},
        {"cbD_PauseDuration", 16, "100", 0, [](const RadioSettings& s) { return int(s.DtmfPauseDuration); }, 50},
        {"cbD_FirstDelay", 11, "100", 10, [](const RadioSettings& s) { return int(s.DtmfFirstDelay); }, 500},
        {"cbD_Pretime", 10, "500", 9, [](const RadioSettings& s) { return int(s.DtmfPretime); }, 1000},
        {"cbD_Mi_Jing_Delay", 9, "50", 8, [](const RadioSettings& s) { return int(s.DtmfStarHashDelay); }, 400},
        {"cbAutoReset", 256, "OFF", 255, [](const RadioSettings& s) { return int(s.AutoReset); }, 255},
        {"cbDizzyState", 3, "Revive", 2, [](const RadioSettings& s) { return int(s.StunKillState); }, 2},
    };
    for (const auto& c : cases) {
        QComboBox* list = List(c.list);
        ASSERT_TRUE(list) << c.list;
        EXPECT_EQ(list->count(), c.items) << c.list;
        EXPECT_EQ(list->currentText(), c.shownByDefault) << c.list;
        ChooseItem(list, c.chosen);
        window.LeaveControl();
        EXPECT_EQ(c.stored(window.settings), c.expected) << c.list;
    }
}

TEST_F(DtmfPageTest, HiddenControlsExistAndStayHidden)
{
    for (const char* name : {"cbD_ID", "sD_ID", "cbD_Group", "sD_Group", "cbSquelchMode", "sSquelchMode", "cD_Control",
                             "cLimited", "ePTT_ID", "sPtt_Id"}) {
        QWidget* control = page->findChild<QWidget*>(name);
        ASSERT_TRUE(control) << name;
        EXPECT_FALSE(control->isVisible()) << name;
    }
    EXPECT_EQ(List("cbSquelchMode")->currentIndex(), 3);
    EXPECT_EQ(List("cbD_ID")->count(), 999);
    EXPECT_EQ(List("cbD_Group")->count(), 99);
}

TEST_F(DtmfPageTest, SideToneIsTickedOnlyByOneWhileSendAniByAnyValue)
{
    window.settings.DtmfSideTone = 2;
    window.settings.SendAni = 2;
    page->Refresh();
    EXPECT_FALSE(page->findChild<QCheckBox*>("cD_SideTone")->isChecked());
    EXPECT_TRUE(page->findChild<QCheckBox*>("cSendANI")->isChecked());
}

TEST_F(DtmfPageTest, NamingAnEntryBringsItIntoUseWithCodeZero)
{
    EditCell(5, NameColumn, "Base");
    EXPECT_TRUE(window.settings.IsAddrBookEntryUsed(5));
    EXPECT_EQ(Cell(5, NameColumn), "Base");
    EXPECT_EQ(Cell(5, CodeColumn), "0");
    EXPECT_EQ(window.settings.Entry(5).IdLength, 1);
    EXPECT_TRUE(book->hasFocus());
}

TEST_F(DtmfPageTest, ErasingTheCodeEmptiesTheWholeRow)
{
    EditCell(5, NameColumn, "Base");
    EditCell(5, CodeColumn, "");
    EXPECT_FALSE(window.settings.IsAddrBookEntryUsed(5));
    EXPECT_EQ(Cell(5, NameColumn), "");
    EXPECT_EQ(Cell(5, CodeColumn), "");
}

TEST_F(DtmfPageTest, ACodeIsStoredAsSymbolCodes)
{
    EditCell(2, NameColumn, "Car");
    EditCell(2, CodeColumn, "12a#");
    const AddressBookEntry& entry = window.settings.Entry(2);
    EXPECT_EQ(entry.IdLength, 4);
    EXPECT_EQ(entry.Id[2], 10);
    EXPECT_EQ(entry.Id[3], 15);
    EXPECT_EQ(Cell(2, CodeColumn), "12A#");
}

TEST_F(DtmfPageTest, NamesAreCutToWhatTheRecordHolds)
{
    EditCell(1, NameColumn, "Station");
    EXPECT_EQ(Cell(1, NameColumn), "Statio");
    EXPECT_EQ(std::memcmp(window.settings.Entry(1).EntryName, "Statio", 6), 0);
}

TEST_F(DtmfPageTest, ErasingTheNameTakesTheEntryOutOfUse)
{
    EditCell(3, NameColumn, "Car");
    EditCell(3, NameColumn, "");
    EXPECT_FALSE(window.settings.IsAddrBookEntryUsed(3));
    EXPECT_EQ(Cell(3, CodeColumn), "");
}

TEST_F(DtmfPageTest, TheCodeOfAnUnnamedEntryCannotBeEdited)
{
    DoubleClickCell(book, 7, CodeColumn);
    EXPECT_FALSE(codeEditor->isVisible());
    EXPECT_FALSE(window.settings.IsAddrBookEntryUsed(7));
}

}
