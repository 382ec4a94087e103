#include <gtest/gtest.h>

#include <cstring>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "EditorWindow.h"
#include "WidgetDriving.h"
#include "model/ChannelFields.h"
#include "model/Tone.h"
#include "ui/editors/EditorPages.h"

namespace {

enum Column { RxFreq = 1, TxFreq, Decode, Encode, Power, Bandwidth, Scan, BusyLock, Dtmf, SquelchMode, Name };

class ChannelGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.band = {136000000, 174000000};
        editor = new ChannelGridEditor(window.settings, window.band, &window);
        editor->move(0, 40);
        editor->Refresh();
        window.ShowActive();
        grid = editor->findChild<QTableWidget*>("StringGrid1");
        frequency = editor->findChild<QLineEdit*>("Edit_ChFreq");
        tone = editor->findChild<QComboBox*>("ComboBox1");
        squelch = editor->findChild<QComboBox*>("cbCh_SquelchMode");
        ASSERT_TRUE(grid && frequency && tone && squelch);
    }

    QString Cell(int row, int column) const { return grid->item(row, column)->text(); }

    // Opens the frequency editor by typing its first digit on the grid, then types the rest.
    void TypeFrequency(int row, int column, const QString& text)
    {
        ClickCell(grid, row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        ASSERT_TRUE(frequency->isVisible());
        frequency->selectAll();
        QTest::keyClick(frequency, Qt::Key_Backspace);
        QTest::keyClicks(frequency, text);
        QTest::keyClick(frequency, Qt::Key_Return);
    }

    void EnterTone(int row, int column, const QString& text)
    {
        DoubleClickCell(grid, row, column);
        ASSERT_TRUE(tone->isVisible());
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone, text);
        window.LeaveControl();
    }

    // "Off" cannot be typed: the user takes it from the list.
    void ChooseToneOff(int row, int column)
    {
        DoubleClickCell(grid, row, column);
        ASSERT_TRUE(tone->isVisible());
        while (tone->currentIndex() > 0)
            QTest::keyClick(tone, Qt::Key_Up);
        window.LeaveControl();
    }

    const ChannelRecord& Channel(int n) const { return window.settings.Channel[n]; }

    // Keys go where the focus is, as the user's keys do.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void TypeKeys(const QString& keys)
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    // Channel 1 in use with the new-channel settings, its receive cell current.
    void StartChannelOne()
    {
        TypeFrequency(1, RxFreq, "145");
        grid->setCurrentCell(1, RxFreq);
    }
    QPoint Current() const { return {grid->currentRow(), grid->currentColumn()}; }

    EditorWindow window;
    ChannelGridEditor* editor = nullptr;
    QTableWidget* grid = nullptr;
    QLineEdit* frequency = nullptr;
    QComboBox* tone = nullptr;
    QComboBox* squelch = nullptr;
};

TEST_F(ChannelGrid, ShowsTitlesAndTwoDigitRowNumbers)
{
    EXPECT_EQ(grid->columnCount(), 12);
    EXPECT_EQ(grid->rowCount(), 17);
    EXPECT_EQ(Cell(0, 0), "NO.");
    EXPECT_EQ(Cell(0, RxFreq), "RX Freq.");
    EXPECT_EQ(Cell(0, BusyLock), "Busy Inhibit");
    EXPECT_EQ(Cell(0, Dtmf), "DTMF");
    EXPECT_EQ(Cell(0, SquelchMode), "Squelch Mode");
    EXPECT_EQ(Cell(0, Name), "Name");
    EXPECT_EQ(Cell(1, 0), "01");
    EXPECT_EQ(Cell(16, 0), "16");
}

TEST_F(ChannelGrid, OddRowsAreLightGreenAndEvenRowsTheWindowColour)
{
    const QImage picture = grid->grab().toImage();
    const auto colourAt = [&](int row, int column) {
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        return picture.pixelColor(grid->viewport()->mapTo(grid, cell.topLeft() + QPoint(3, 3)));
    };
    EXPECT_EQ(colourAt(1, 0), QColor(192, 220, 192));
    EXPECT_EQ(colourAt(15, SquelchMode), QColor(192, 220, 192));
    EXPECT_EQ(colourAt(2, RxFreq), grid->palette().color(QPalette::Base));
    EXPECT_EQ(colourAt(0, TxFreq), grid->palette().color(QPalette::Base));
}

TEST_F(ChannelGrid, ADigitOpensTheEditorOverTheCellWithThatDigitTyped)
{
    ClickCell(grid, 3, RxFreq);
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_TRUE(frequency->isVisible());
    EXPECT_TRUE(frequency->hasFocus());
    EXPECT_EQ(frequency->text(), "1");
    EXPECT_EQ(frequency->cursorPosition(), 1);
    const QRect cell = grid->visualItemRect(grid->item(3, RxFreq));
    const QPoint centre = grid->viewport()->mapTo(editor, cell.center());
    EXPECT_TRUE(frequency->geometry().contains(centre));
    EXPECT_GE(frequency->width(), cell.width() - 1);
}

TEST_F(ChannelGrid, TheToneEditorOffersOffTheCtcssTonesAndTheDcsCodes)
{
    ASSERT_EQ(tone->count(), 261);
    EXPECT_EQ(tone->itemText(0), "Off");
    EXPECT_EQ(tone->itemText(50), "254.1");
    EXPECT_EQ(tone->itemText(51), "D023N");
    EXPECT_EQ(tone->itemText(260), "D754I");
}

TEST_F(ChannelGrid, TheToneEditorTakesOnlyToneCharactersAndFiveOfThem)
{
    TypeFrequency(1, RxFreq, "145");
    DoubleClickCell(grid, 1, Decode);
    tone->lineEdit()->selectAll();
    QTest::keyClicks(tone, "d0x2-3ni7");
    EXPECT_EQ(tone->currentText(), "D023N");
    window.LeaveControl();
    EXPECT_EQ(Channel(1).DecType, ToneDcsNormal);
}

TEST_F(ChannelGrid, KeysOpenNoEditorOutsideTheFrequencyColumnsOrOnAnEmptyRow)
{
    ClickCell(grid, 3, Decode);
    QTest::keyClick(grid, Qt::Key_1);
    EXPECT_FALSE(tone->isVisible());
    ClickCell(grid, 3, TxFreq);
    QTest::keyClick(grid, Qt::Key_1);
    EXPECT_FALSE(frequency->isVisible());
}

TEST_F(ChannelGrid, ANewReceiveFrequencyFillsTheRowWithNewChannelSettings)
{
    TypeFrequency(2, RxFreq, "145.5");
    EXPECT_FALSE(frequency->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_TRUE(window.settings.IsChannelUsed(2));
    EXPECT_EQ(uint32_t(Channel(2).RxFreq), 145500000u);
    const QStringList row = {"145.50000", "145.50000", "Off", "Off", "High", "Wide", "ADD", "OFF", "OFF", "Carrier"};
    for (int column = RxFreq; column <= SquelchMode; ++column)
        EXPECT_EQ(Cell(2, column), row[column - 1]) << column;
}

TEST_F(ChannelGrid, TypedFrequenciesAreClampedToTheBandAndSnappedToTheRaster)
{
    const struct {
        const char* typed;
        uint32_t stored;
    } cases[] = {
        {"145.0075", 145006250}, {"145.01", 145010000}, {"145.0125", 145012500},
        {"100", 136000000},      {"999", 174000000},    {"150.123456789", 150118750},
    };
    for (const auto& c : cases) {
        TypeFrequency(1, RxFreq, c.typed);
        EXPECT_EQ(uint32_t(Channel(1).RxFreq), c.stored) << c.typed;
    }
}

TEST_F(ChannelGrid, TheFirstFrequencyOfAChannelAlsoSetsItsTransmitFrequency)
{
    TypeFrequency(1, RxFreq, "145.0075");
    EXPECT_EQ(uint32_t(Channel(1).RxFreq), 145006250u);
    EXPECT_EQ(uint32_t(Channel(1).TxFreq), 145006250u);
    TypeFrequency(1, RxFreq, "146");
    EXPECT_EQ(uint32_t(Channel(1).TxFreq), 145006250u) << "a channel in use keeps its transmit frequency";
}

TEST_F(ChannelGrid, KeyFilterAndChangeRulesShapeTheTypedFrequency)
{
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"4a3b5.1.25", "435.125"}, {".", ""}, {"1234567890123", "123456789"}, {"14-5,5", "1455"},
    };
    for (const auto& c : cases) {
        ClickCell(grid, 1, RxFreq);
        QTest::keyClick(grid, Qt::Key_Return);
        frequency->clear();
        QTest::keyClicks(frequency, c.keys);
        EXPECT_EQ(frequency->text(), c.shown) << c.keys;
        window.LeaveControl();
    }
}

TEST_F(ChannelGrid, ARefusedKeyLeavesTheSelectedFrequencyInPlace)
{
    TypeFrequency(1, RxFreq, "145");
    for (const char* refused : {"x", " ", "-"}) {
        DoubleClickCell(grid, 1, RxFreq);
        ASSERT_EQ(frequency->selectedText(), "145.00000");
        QTest::keyClicks(frequency, refused);
        EXPECT_EQ(frequency->text(), "145.00000") << refused;
        window.LeaveControl();
        EXPECT_TRUE(window.settings.IsChannelUsed(1)) << refused;
        EXPECT_EQ(uint32_t(Channel(1).RxFreq), 145000000u) << refused;
    }
}

TEST_F(ChannelGrid, ErasingTheReceiveFrequencyEmptiesTheRowAndANewOneStartsAfresh)
{
    TypeFrequency(4, RxFreq, "145");
    EnterTone(4, Decode, "67.0");
    TypeFrequency(4, RxFreq, "");
    EXPECT_FALSE(window.settings.IsChannelUsed(4));
    for (int column = RxFreq; column <= SquelchMode; ++column)
        EXPECT_EQ(Cell(4, column), "") << column;
    TypeFrequency(4, RxFreq, "146");
    EXPECT_EQ(Cell(4, Decode), "Off");
}

TEST_F(ChannelGrid, TransmitZeroStaysZeroAndOtherValuesAreClamped)
{
    TypeFrequency(1, RxFreq, "145");
    TypeFrequency(1, TxFreq, "0");
    EXPECT_EQ(uint32_t(Channel(1).TxFreq), 0u);
    EXPECT_EQ(Cell(1, TxFreq), "0");
    TypeFrequency(1, TxFreq, "");
    EXPECT_EQ(uint32_t(Channel(1).TxFreq), 0u);
    TypeFrequency(1, TxFreq, "20");
    EXPECT_EQ(uint32_t(Channel(1).TxFreq), 136000000u);
}

TEST_F(ChannelGrid, PastedTextThatIsNoNumberKeepsTheStoredFrequency)
{
    TypeFrequency(1, RxFreq, "145");
    ClickCell(grid, 1, RxFreq);
    QTest::keyClick(grid, Qt::Key_Return);
    frequency->setText("14x5");
    window.LeaveControl();
    EXPECT_EQ(uint32_t(Channel(1).RxFreq), 145000000u);
    EXPECT_EQ(Cell(1, RxFreq), "145.00000");
}

TEST_F(ChannelGrid, MovingTheFocusToTheGridCommitsAnOpenEditor)
{
    TypeFrequency(1, RxFreq, "145");
    DoubleClickCell(grid, 1, RxFreq);
    frequency->selectAll();
    QTest::keyClicks(frequency, "150");
    grid->setFocus();
    EXPECT_EQ(uint32_t(Channel(1).RxFreq), 150000000u);
    EXPECT_FALSE(frequency->isVisible());
}

TEST_F(ChannelGrid, CellsOfAnUnusedChannelOtherThanReceiveDoNothing)
{
    for (int column = TxFreq; column <= SquelchMode; ++column)
        DoubleClickCell(grid, 5, column);
    EXPECT_FALSE(window.settings.IsChannelUsed(5));
    EXPECT_FALSE(tone->isVisible());
    EXPECT_FALSE(squelch->isVisible());
    EXPECT_EQ(Channel(5).OptB, 0);
}

TEST_F(ChannelGrid, TheDecodeToneDrivesTheSquelchMode)
{
    TypeFrequency(1, RxFreq, "145");
    EnterTone(1, Decode, "67.0");
    EXPECT_EQ(Channel(1).DecType, ToneCtcss);
    EXPECT_EQ(uint16_t(Channel(1).DecCode), 670);
    EXPECT_EQ(Cell(1, SquelchMode), "CTC/DCS");
    ChooseToneOff(1, Decode);
    EXPECT_EQ(Channel(1).DecType, ToneNone);
    EXPECT_EQ(uint16_t(Channel(1).DecCode), ToneCodeOff);
    EXPECT_EQ(Cell(1, SquelchMode), "Carrier");
}

TEST_F(ChannelGrid, AnEncodeToneLeavesTheSquelchModeAlone)
{
    TypeFrequency(1, RxFreq, "145");
    EnterTone(1, Encode, "d023n");
    EXPECT_EQ(Channel(1).EncType, ToneDcsNormal);
    EXPECT_EQ(uint16_t(Channel(1).EncCode), 0x2813);
    EXPECT_EQ(Cell(1, Encode), "D023N");
    EXPECT_EQ(Cell(1, SquelchMode), "Carrier");
}

TEST_F(ChannelGrid, ARejectedToneKeepsThePreviousOne)
{
    TypeFrequency(1, RxFreq, "145");
    EnterTone(1, Decode, "88.5");
    EnterTone(1, Decode, "D028N");
    EXPECT_EQ(uint16_t(Channel(1).DecCode), 885);
    EXPECT_EQ(Cell(1, Decode), "88.5");
}

TEST_F(ChannelGrid, DoubleClicksStepEachValueBackToWhereItStarted)
{
    TypeFrequency(1, RxFreq, "145");
    const uint8_t optA = Channel(1).OptA;
    const uint8_t optB = Channel(1).OptB;
    const struct {
        int column;
        int clicksPerRound;
        const char* afterOne;
    } cases[] = {
        {Power, 3, "Low"}, {Bandwidth, 2, "Narrow"}, {Scan, 2, "DEL"}, {BusyLock, 3, "CAT"}, {Dtmf, 2, "ON"},
    };
    for (const auto& c : cases) {
        const QString before = Cell(1, c.column);
        DoubleClickCell(grid, 1, c.column);
        EXPECT_EQ(Cell(1, c.column), c.afterOne) << c.column;
        for (int i = 1; i < c.clicksPerRound; ++i)
            DoubleClickCell(grid, 1, c.column);
        EXPECT_EQ(Cell(1, c.column), before) << c.column;
    }
    EXPECT_EQ(Channel(1).OptA, optA);
    EXPECT_EQ(Channel(1).OptB, optB);
}

TEST_F(ChannelGrid, TheSquelchListStoresTheChosenMode)
{
    TypeFrequency(1, RxFreq, "145");
    DoubleClickCell(grid, 1, SquelchMode);
    ASSERT_TRUE(squelch->isVisible());
    EXPECT_EQ(squelch->count(), 5);
    EXPECT_EQ(squelch->currentText(), "Carrier");
    ChooseItem(squelch, 4);
    window.LeaveControl();
    EXPECT_EQ(Channel(1).ChSquelchMode(), 4);
    EXPECT_EQ(Cell(1, SquelchMode), "DTMF or CTC/DCS");
}

TEST_F(ChannelGrid, TypingOverAFrequencyCellKeepsEveryDigit)
{
    TypeFrequency(1, RxFreq, "145");
    const struct {
        int column;
        const char* typed;
        uint32_t stored;
    } cases[] = {{RxFreq, "146.1", 146100000u}, {TxFreq, "151.25", 151250000u}};
    for (const auto& c : cases) {
        ClickCell(grid, 1, c.column);
        // Each key goes where the focus is, as the user's keys do.
        for (const char* key = c.typed; *key; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
        QTest::keyClick(frequency, Qt::Key_Return);
        const ChannelRecord& channel = Channel(1);
        EXPECT_EQ(uint32_t(c.column == RxFreq ? channel.RxFreq : channel.TxFreq), c.stored) << c.typed;
    }
    ClickCell(grid, 1, RxFreq);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(frequency->text(), "146.10000");
}

TEST_F(ChannelGrid, EscapeInAnEditorKeepsTheStoredValue)
{
    TypeFrequency(1, RxFreq, "145");
    const ChannelRecord before = Channel(1);
    const struct {
        int column;
        QWidget* editor;
        const char* typed;
    } cases[] = {{RxFreq, frequency, "150"}, {TxFreq, frequency, "0"}, {Decode, tone, "67.0"}, {SquelchMode, squelch, ""}};
    for (const auto& c : cases) {
        DoubleClickCell(grid, 1, c.column);
        ASSERT_TRUE(c.editor->isVisible()) << c.column;
        if (c.editor == squelch)
            QTest::keyClick(squelch, Qt::Key_Down);
        else
            QTest::keyClicks(c.editor, c.typed);
        QTest::keyClick(c.editor, Qt::Key_Escape);
        EXPECT_FALSE(c.editor->isVisible()) << c.column;
        EXPECT_TRUE(grid->hasFocus()) << c.column;
        window.LeaveControl();
        EXPECT_EQ(std::memcmp(&Channel(1), &before, sizeof before), 0) << c.column;
    }
}

TEST_F(ChannelGrid, EnterInTheToneEditorStoresTheTone)
{
    TypeFrequency(1, RxFreq, "145");
    DoubleClickCell(grid, 1, Encode);
    tone->lineEdit()->selectAll();
    QTest::keyClicks(tone, "88.5");
    QTest::keyClick(tone, Qt::Key_Return);
    EXPECT_FALSE(tone->isVisible());
    EXPECT_EQ(uint16_t(Channel(1).EncCode), 885);
    EXPECT_EQ(Cell(1, Encode), "88.5");
}

TEST_F(ChannelGrid, TheNameColumnShowsAndStoresNamesCutToSixBytes)
{
    TypeFrequency(1, RxFreq, "145");
    const struct {
        const char* typed;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"Base", "Base", "Base\0\0"},
        {"Repeater", "Repeat", "Repeat"},
        {"中继台站", "中继台", "\xD6\xD0\xBC\xCC\xCC\xA8"},
        {"A中继台", "A中继", "A\xD6\xD0\xBC\xCC\0"},
    };
    for (const auto& c : cases) {
        DoubleClickCell(grid, 1, Name);
        QLineEdit* name = editor->findChild<QLineEdit*>("Edit_ChName");
        ASSERT_TRUE(name && name->isVisible());
        Paste(name, QString::fromUtf8(c.typed));
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(Cell(1, Name), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(std::memcmp(Channel(1).Name, c.stored, NameCapacity), 0) << c.typed;
    }
    DoubleClickCell(grid, 5, Name);
    EXPECT_FALSE(editor->findChild<QLineEdit*>("Edit_ChName")->isVisible());
}

TEST_F(ChannelGrid, RowTitlesSelectWholeRowsWithShiftAndCtrl)
{
    const auto clickTitle = [&](int row, Qt::KeyboardModifiers keys) {
        const QPoint centre = grid->visualItemRect(grid->item(row, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, keys, centre);
    };
    ClickCell(grid, 7, TxFreq);
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{7}));
    clickTitle(3, {});
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{3}));
    clickTitle(5, Qt::ShiftModifier);
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{3, 4, 5}));
    clickTitle(9, Qt::ControlModifier);
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{3, 4, 5, 9}));
    clickTitle(4, Qt::ControlModifier);
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{3, 5, 9}));
    editor->SelectChannels({10, 11});
    EXPECT_EQ(editor->SelectedChannels(), (ChannelNumbers{10, 11}));
}

TEST_F(ChannelGrid, EnterF2AndSpaceDoWhatADoubleClickDoes)
{
    StartChannelOne();
    QLineEdit* name = editor->findChild<QLineEdit*>("Edit_ChName");
    const struct {
        int column;
        Qt::Key key;
        QWidget* opens;      // the editor it opens, or none when it steps the value
        const char* shown;   // the editor's text, or the cell's after the step
    } cases[] = {
        {TxFreq, Qt::Key_F2, frequency, "145.00000"}, {Decode, Qt::Key_Return, tone, "Off"},
        {Encode, Qt::Key_Space, tone, "Off"},        {SquelchMode, Qt::Key_F2, squelch, "Carrier"},
        {Name, Qt::Key_Return, name, ""},            {Power, Qt::Key_Space, nullptr, "Low"},
        {Bandwidth, Qt::Key_Return, nullptr, "Narrow"}, {Scan, Qt::Key_F2, nullptr, "DEL"},
        {BusyLock, Qt::Key_Space, nullptr, "CAT"},   {Dtmf, Qt::Key_F2, nullptr, "ON"},
    };
    for (const auto& c : cases) {
        grid->setFocus();
        grid->setCurrentCell(1, c.column);
        Press(c.key);
        if (c.opens) {
            EXPECT_TRUE(c.opens->isVisible() && c.opens->hasFocus()) << c.column;
            const auto* box = qobject_cast<QLineEdit*>(c.opens);
            EXPECT_EQ(box ? box->text() : static_cast<QComboBox*>(c.opens)->currentText(), c.shown) << c.column;
            Press(Qt::Key_Escape);
        } else {
            EXPECT_EQ(Cell(1, c.column), c.shown) << c.column;
            EXPECT_TRUE(grid->hasFocus()) << c.column;
        }
    }
}

TEST_F(ChannelGrid, TypingOverAChoiceCellPicksTheChoiceItStartsAndTypedTonesReadAsTheListsTexts)
{
    StartChannelOne();
    const struct {
        int column;
        const char* typed;
        const char* shown;
    } cases[] = {
        {Power, "m", "Mid"},          {Power, "l", "Low"},          {Bandwidth, "n", "Narrow"},
        {Scan, "d", "DEL"},           {BusyLock, "dq", "DQT"},      {Dtmf, "on", "ON"},
        {SquelchMode, "dtmf", "DTMF"}, {SquelchMode, "ct", "CTC/DCS"},
        {Decode, "67", "67.0"},       {Encode, "23n", "D023N"},     {Encode, "d754i", "D754I"},
        {Name, "Hill", "Hill"},
    };
    for (const auto& c : cases) {
        grid->setFocus();
        grid->setCurrentCell(1, c.column);
        TypeKeys(c.typed);
        Press(Qt::Key_Return);
        EXPECT_EQ(Cell(1, c.column).toStdString(), c.shown) << c.typed;
    }
    EXPECT_EQ(Channel(1).Power(), PowerLow);
    EXPECT_EQ(uint16_t(Channel(1).DecCode), 670);
    EXPECT_EQ(Channel(1).ChSquelchMode(), 2);
}

TEST_F(ChannelGrid, AltDownOpensTheListOfAToneOrChoiceCell)
{
    StartChannelOne();
    QComboBox* choice = editor->findChild<QComboBox*>("cbCh_Choice");
    ASSERT_NE(choice, nullptr);
    for (const auto& [column, list] : {std::pair{Decode, tone}, {SquelchMode, squelch}, {BusyLock, choice}}) {
        grid->setFocus();
        grid->setCurrentCell(1, column);
        Press(Qt::Key_Down, Qt::AltModifier);
        EXPECT_TRUE(list->isVisible()) << column;
        EXPECT_TRUE(list->view()->isVisible()) << column;
        list->hidePopup();
        Press(Qt::Key_Escape);
    }
    grid->setCurrentCell(1, RxFreq);
    Press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(frequency->isVisible());
}

TEST_F(ChannelGrid, TabShiftTabAndEnterInAnEditorStoreAndMoveWithinTheGrid)
{
    StartChannelOne();
    const struct {
        QPoint from;  // row, column
        const char* typed;
        Qt::Key key;
        QPoint to;
    } cases[] = {
        {{1, RxFreq}, "146", Qt::Key_Tab, {1, TxFreq}},  {{1, Name}, "A", Qt::Key_Tab, {2, RxFreq}},
        {{2, RxFreq}, "147", Qt::Key_Backtab, {1, Name}}, {{1, Decode}, "67", Qt::Key_Return, {2, Decode}},
        {{16, RxFreq}, "148", Qt::Key_Return, {16, RxFreq}}, {{16, Name}, "B", Qt::Key_Tab, {16, Name}},
        {{1, RxFreq}, "149", Qt::Key_Backtab, {1, RxFreq}},
    };
    for (const auto& c : cases) {
        grid->setFocus();
        grid->setCurrentCell(c.from.x(), c.from.y());
        TypeKeys(c.typed);
        Press(c.key);
        EXPECT_EQ(Current(), c.to) << c.typed;
        EXPECT_TRUE(grid->hasFocus()) << c.typed;
        EXPECT_EQ(Cell(c.from.x(), c.from.y()).left(2), QString(c.typed).left(2)) << c.typed;
    }
}

// A channel after the other, as a list of them reads: Enter after a run of Tabs goes on in the
// row below, where the run began.
TEST_F(ChannelGrid, EnterAfterARunOfTabsGoesToTheRowBelowTheRunsFirstCell)
{
    grid->setFocus();
    grid->setCurrentCell(3, RxFreq);
    TypeKeys("146");
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    TypeKeys("67");
    Press(Qt::Key_Tab);
    TypeKeys("23n");
    Press(Qt::Key_Return);
    EXPECT_EQ(Current(), QPoint(4, RxFreq));
    EXPECT_EQ(Cell(3, TxFreq), "146.00000");
    EXPECT_EQ(Cell(3, Decode), "67.0");
    EXPECT_EQ(Cell(3, Encode), "D023N");
}

TEST_F(ChannelGrid, WhatTheRulesChangedIsSaidAndTheCellFlashes)
{
    StartChannelOne();
    QSignalSpy said(editor, &ChannelGridEditor::EntryNoted);
    const struct {
        int column;
        const char* typed;
        const char* message;
    } cases[] = {
        {RxFreq, "999", "174.00000: 999 is above the band 136-174 MHz"},
        {RxFreq, "145.0075", "145.00625: 145.0075 is not on the 5 kHz or 6.25 kHz raster and was rounded down"},
        {RxFreq, "14x5.5", "145.50000: left out \"x\", which the cell does not take"},
        {RxFreq, "146.5", ""},
        {Decode, "28n", "Off: \"28N\" is not a tone; the cell keeps its value"},
        {Name, "Repeater", "Repeat: left out \"er\", which the cell does not take"},
        {TxFreq, "x", "145.00000: left out \"x\", which the cell does not take"},
    };
    for (const auto& c : cases) {
        grid->setFocus();
        grid->setCurrentCell(1, c.column);
        said.clear();
        TypeKeys(c.typed);
        if (QApplication::focusWidget() != grid)
            Press(Qt::Key_Return);
        ASSERT_EQ(said.size(), 1) << c.typed;
        EXPECT_EQ(said.takeFirst().at(0).toString().toStdString(), c.message) << c.typed;
    }
    grid->setCurrentCell(5, RxFreq);
    TypeKeys("x");
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said.takeFirst().at(0).toString().toStdString(),
              "RX Freq.: left out \"x\", which the cell does not take") << "an empty cell is named by its column";
    QTableWidgetItem* flashed = grid->item(1, Name);
    EXPECT_TRUE(flashed->data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flashed->data(Qt::BackgroundRole).isValid(); }, 3000));
    EXPECT_FALSE(grid->item(1, RxFreq)->data(Qt::BackgroundRole).isValid());
}

}
