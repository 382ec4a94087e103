#include <cstring>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "WidgetDriving.h"
#include "files/ChannelDataFile.h"
#include "lang/AppLang.h"
#include "lang/ChannelTexts.h"
#include "lang/TextTable.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/RecordSnapshot.h"
#include "model/Tone.h"
#include "notices/WarnDialogs.h"
#include "ui/ImportReportDialog.h"
#include "ui/editors/EditorPages.h"

namespace {

enum Column { RxFreq = 1, TxFreq, Decode, Encode, Power, SquelchMode = 10, Name };
enum Page { ChannelPage, OptionPage, DtmfPage, KeyPage };

// Channels 1 to 5 in use, each with its own frequency, opened from a file so the history starts
// from a saved state.
class Editing : public MainWindowTest {
protected:
    void SetUp() override
    {
        StartWindow();
        RadioSettings start{};
        start.ResetToDefaults();
        for (unsigned n = 1; n <= 5; ++n) {
            start.SetChannelUsed(n, true);
            start.Channel[n].RxFreq = 430000000 + n * 1000000;
            start.Channel[n].TxFreq = start.Channel[n].RxFreq;
            start.Channel[n].Name[0] = uint8_t('A' + n - 1);
        }
        ASSERT_TRUE(SaveChannelFile(dir.File("route7.Kqd"), start).ok);
        ASSERT_TRUE(window->LoadDataFile(PathInTemp("route7.Kqd")).ok);
        grid = Control<QTableWidget>("StringGrid1");
        ASSERT_NE(grid, nullptr);
    }

    RecordSnapshot Now() const { return {Record(), window->Band(), window->Config().BandSelete}; }

    void ShowPage(Page page) { Control<QTabWidget>("PageControl_Home")->setCurrentIndex(page); }
    void Leave() { Control<QPushButton>("bHide")->setFocus(); }

    void ClickCell(int row, int column)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, column)).center());
    }
    void DoubleClickCell(QTableWidget* table, int row, int column)
    {
        const QPoint centre = table->visualItemRect(table->item(row, column)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    }
    // Each key goes where the focus is, as the user's keys do.
    void Type(const char* keys)
    {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
    }
    void SelectRows(const ChannelNumbers& channels)
    {
        ShowPage(ChannelPage);
        grid->setFocus();
        window->findChild<ChannelGridEditor*>()->SelectChannels(channels);
    }
    void Answer(const char* button, const std::function<void()>& command)
    {
        ModalDriver::ClickOnNextModal(button);
        command();
    }

    QTableWidget* grid = nullptr;
};

// What the grid shows of a channel, which is all the user edits of it.
QStringList GridFields(const RadioSettings& settings, unsigned channel)
{
    return DisplayTexts(ChannelRowTexts(settings, channel, AppLang().LangType())).mid(ColRxFreq);
}

// Closes every dialog that comes up while it lives and keeps the first one's text.
class DialogCatcher {
public:
    DialogCatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            if (seen.isNull())
                seen = Text(modal);
            modal->reject();
        });
        timer_.start(5);
    }

    QString seen;

private:
    static QString Text(QDialog* modal)
    {
        if (auto* report = qobject_cast<ImportReportDialog*>(modal))
            return report->Summary->text() + '\n' + report->Notes->toPlainText();
        if (auto* notice = qobject_cast<TUserWarnDlg*>(modal))
            return notice->WarnDlgText->text();
        return modal->objectName();
    }

    QTimer timer_;
};

TEST_F(Editing, EveryStepIsUndoneAndRedoneWhole)
{
    const struct {
        const char* step;
        std::function<void()> act;
    } steps[] = {
        {"grid cell", [&] { ClickCell(7, RxFreq); Type("446.1\r"); }},
        {"name cell", [&] { DoubleClickCell(grid, 2, Name); Type("Base\r"); }},
        {"double-click step", [&] { DoubleClickCell(grid, 1, Power); }},
        {"option list", [&] {
             ShowPage(OptionPage);
             Control<QComboBox>("cbSQL")->setFocus();
             QTest::keyClick(Control<QComboBox>("cbSQL"), Qt::Key_Down);
             Leave();
         }},
        {"check box", [&] {
             ShowPage(OptionPage);
             Control<QCheckBox>("cBeep")->setFocus();
             QTest::keyClick(Control<QCheckBox>("cBeep"), Qt::Key_Space);
             Leave();
         }},
        {"DTMF field", [&] {
             ShowPage(DtmfPage);
             RetypeAndLeave(Control<QLineEdit>("eANI"), "123");
         }},
        {"address-book cell", [&] {
             ShowPage(DtmfPage);
             DoubleClickCell(Control<QTableWidget>("sgD_AddrBook"), 1, 1);
             Type("Ann\r");
         }},
        {"key list", [&] {
             ShowPage(KeyPage);
             Control<QComboBox>("cbKey_1_Short")->setFocus();
             QTest::keyClick(Control<QComboBox>("cbKey_1_Short"), Qt::Key_Down);
             Leave();
         }},
        {"Delete", [&] { SelectRows({2, 3}); Trigger("MenuEdit_Delete"); }},
        {"Insert empty row", [&] { SelectRows({2}); Trigger("MenuEdit_InsertRow"); }},
        {"Move down", [&] { SelectRows({1, 2}); Trigger("MenuEdit_MoveDown"); }},
        {"Cut", [&] { SelectRows({5}); Trigger("MenuEdit_Cut"); }},
        {"Paste", [&] { SelectRows({6}); Trigger("MenuEdit_Copy"); SelectRows({9}); Trigger("MenuEdit_Paste"); }},
        {"File New", [&] { Answer("OKBtn", [&] { Trigger("MenuFile_New"); }); }},
        {"band change", [&] { Answer("OKBtn", [&] { Trigger("MenuEdit_Band_1"); }); }},
    };
    for (const auto& s : steps) {
        const RecordSnapshot before = Now();
        s.act();
        const RecordSnapshot after = Now();
        EXPECT_TRUE(after != before) << s.step;
        ASSERT_TRUE(Item("MenuEdit_Undo")->isEnabled()) << s.step;
        Trigger("MenuEdit_Undo");
        EXPECT_TRUE(Now() == before) << s.step;
        Trigger("MenuEdit_Redo");
        EXPECT_TRUE(Now() == after) << s.step;
        EXPECT_FALSE(Item("MenuEdit_Redo")->isEnabled()) << s.step;
    }
}

TEST_F(Editing, CopiedRowsPasteByteForByteAndAsText)
{
    SelectRows({3, 4, 5});
    Trigger("MenuEdit_Copy");
    const QStringList lines = QApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Location\tName\tFrequency\tDuplex\tOffset")) << lines[0].toStdString();
    EXPECT_EQ(lines[1].split('\t').mid(0, 5), (QStringList{"3", "C", "433.000000", "", "0.000000"}));
    EXPECT_EQ(lines[3].split('\t').mid(0, 2), (QStringList{"5", "E"}));

    const RadioSettings copied = Record();
    SelectRows({10});
    Trigger("MenuEdit_Paste");
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_EQ(std::memcmp(&Record().Channel[10 + i], &copied.Channel[3 + i], sizeof(ChannelRecord)), 0) << i;
        EXPECT_TRUE(Record().IsChannelUsed(10 + i));
    }
    EXPECT_EQ(grid->item(12, Name)->text(), "E");
    EXPECT_EQ(window->findChild<ChannelGridEditor*>()->SelectedChannels(), (ChannelNumbers{10, 11, 12}));
}

TEST_F(Editing, RowsCopiedAsTextComeBackAsTheGridShowedThem)
{
    ChannelRecord& three = Record().Channel[3];
    three.DecType = ToneDcsInverted;
    three.DecCode = DcsCodeBase + 023;
    three.EncType = ToneDcsNormal;
    three.EncCode = DcsCodeBase + 0754;
    three.SetPower(0);
    three.SetBandwidth(false);
    ChannelRecord& four = Record().Channel[4];
    four.EncType = ToneCtcss;
    four.EncCode = 885;
    four.SetScanAdd(false);
    four.SetBusyLock(2);
    four.SetDtmf(true);
    four.SetChSquelchMode(1);
    Record().Channel[5].TxFreq = 438512500;
    window->FullRefresh();
    const RadioSettings copied = Record();

    SelectRows({3, 4, 5});
    Trigger("MenuEdit_Copy");
    const QString text = QApplication::clipboard()->text();
    Trigger("MenuEdit_Delete");
    QApplication::clipboard()->setText(text);
    DialogCatcher dialogs;
    SelectRows({3});
    Trigger("MenuEdit_Paste");

    EXPECT_TRUE(dialogs.seen.isNull()) << dialogs.seen.toStdString();
    for (unsigned n = 3; n <= 5; ++n) {
        EXPECT_TRUE(Record().IsChannelUsed(n)) << n;
        EXPECT_EQ(GridFields(Record(), n), GridFields(copied, n)) << n;
    }
    EXPECT_EQ(window->findChild<ChannelGridEditor*>()->SelectedChannels(), (ChannelNumbers{3, 4, 5}));
}

TEST_F(Editing, SpreadsheetTextPastesByTheImportRulesAsOneStep)
{
    const RecordSnapshot before = Now();
    DialogCatcher dialogs;
    QApplication::clipboard()->setText("Location\tName\r\n1\tA\r\n");
    SelectRows({2});
    Trigger("MenuEdit_Paste");
    EXPECT_EQ(dialogs.seen, QString::fromUtf8("表格中没有 Frequency 列，未导入任何信道"));
    EXPECT_TRUE(Now() == before);

    dialogs.seen = QString();
    QApplication::clipboard()->setText("Name\tFrequency\tMode\nOne\t446.000000\tNFM\nBad\t44x.5\tFM\nTwo\t447.5\tFM\n");
    Trigger("MenuEdit_Paste");
    const QStringList report = dialogs.seen.split('\n');
    ASSERT_EQ(report.size(), 2) << dialogs.seen.toStdString();
    EXPECT_EQ(report[0], QString::fromUtf8("已粘贴 2 个信道"));
    EXPECT_TRUE(report[1].startsWith(QString::fromUtf8("第 3 行未导入"))) << report[1].toStdString();
    EXPECT_EQ(Record().Channel[2].RxFreq, 446000000u);
    EXPECT_EQ(Record().Channel[2].TxFreq, 446000000u) << "a missing Duplex is no shift";
    EXPECT_EQ(grid->item(2, Name)->text(), "One");
    EXPECT_EQ(Record().Channel[3].RxFreq, 447500000u) << "the bad row takes no channel";
    EXPECT_EQ(grid->item(4, Name)->text(), "D");

    Trigger("MenuEdit_Undo");
    EXPECT_TRUE(Now() == before);
}

TEST_F(Editing, InsertingAsksBeforeChannelSixteenFallsOff)
{
    Record().SetChannelUsed(16, true);
    const RadioSettings before = Record();
    SelectRows({2});
    Answer("CancelBtn", [&] { Trigger("MenuEdit_InsertRow"); });
    EXPECT_TRUE(SameBlock(Record(), before));
    Answer("OKBtn", [&] { Trigger("MenuEdit_InsertRow"); });
    EXPECT_FALSE(Record().IsChannelUsed(2));
    EXPECT_EQ(uint32_t(Record().Channel[3].RxFreq), uint32_t(before.Channel[2].RxFreq));
    EXPECT_FALSE(Record().IsChannelUsed(16));
}

TEST_F(Editing, TheCaptionNamesTheFileAndMarksChanges)
{
    EXPECT_EQ(window->windowTitle(), "KR-T27 - route7.Kqd");
    SelectRows({1});
    Trigger("MenuEdit_Delete");
    EXPECT_EQ(window->windowTitle(), "KR-T27 - route7.Kqd *");
    Trigger("MenuEdit_Undo");
    EXPECT_EQ(window->windowTitle(), "KR-T27 - route7.Kqd");
    Trigger("MenuEdit_Redo");
    saveAnswer = PathInTemp("copy.Kqd");
    Trigger("MenuFile_Save");
    EXPECT_EQ(saveSuggestions.back(), PathInTemp("route7.Kqd"));
    EXPECT_EQ(window->windowTitle(), "KR-T27 - copy.Kqd");
    Answer("OKBtn", [&] { Trigger("MenuFile_New"); });
    EXPECT_EQ(window->windowTitle(), "KR-T27");
}

TEST_F(Editing, ShortcutsReachTheirCommands)
{
    const auto keyOf = [&](const char* item) { return Item(item)->shortcuts(); };
    const struct {
        const char* item;
        QList<QKeySequence> keys;
    } items[] = {
        {"MenuFile_New", {QKeySequence("Ctrl+N")}},
        {"MenuFile_Open", {QKeySequence("Ctrl+O")}},
        {"MenuFile_Save", {QKeySequence("Ctrl+S")}},
        {"MenuFile_Exit", {QKeySequence("Ctrl+Q")}},
        {"MenuEdit_Read", {QKeySequence("F5")}},
        {"MenuEdit_Write", {QKeySequence("F6")}},
        {"MenuEdit_Undo", {QKeySequence("Ctrl+Z")}},
        {"MenuEdit_Redo", {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}},
        {"MenuEdit_Delete", {QKeySequence("Del")}},
        {"MenuEdit_InsertRow", {QKeySequence("Ctrl+Ins")}},
        {"MenuEdit_MoveUp", {QKeySequence("Ctrl+Up")}},
        {"MenuEdit_MoveDown", {QKeySequence("Ctrl+Down")}},
    };
    for (const auto& i : items)
        EXPECT_EQ(keyOf(i.item), i.keys) << i.item;

    // Keys typed on the grid, as a user presses them.
    SelectRows({2});
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(uint32_t(Record().Channel[3].RxFreq), 432000000u);
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(uint32_t(Record().Channel[2].RxFreq), 432000000u);
    SelectRows({2});
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_FALSE(Record().IsChannelUsed(2));
    saveAnswer = PathInTemp("keyed.Kqd");
    QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saveTitles.size(), 1u);
    ModalDriver::ClickOnNextModal("NoBtn");
    QTest::keyClick(grid, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Editing, TheGridWithItsNameColumnFitsTheWindow)
{
    auto* page = Control<QWidget>("TabSheet_ChInfo");
    EXPECT_LE(grid->mapTo(page, QPoint(grid->width(), 0)).x(), page->width()) << grid->width() << " in " << page->width();
}

// Delete on another page must not clear channels the user cannot see.
TEST_F(Editing, RowKeysActOnlyOnTheChannelPage)
{
    ShowPage(OptionPage);
    EXPECT_FALSE(Item("MenuEdit_Delete")->isEnabled());
    ShowPage(ChannelPage);
    EXPECT_TRUE(Item("MenuEdit_Delete")->isEnabled());
}

TEST_F(Editing, DeleteOnOneCellEmptiesThatCellAndAsksBeforeItTakesTheChannel)
{
    ChannelRecord& two = Record().Channel[2];
    EnterDecodeTone(two, "67.0");
    EnterEncodeTone(two, "67.0");
    window->FullRefresh();
    Leave();  // the tones are a step of their own
    // The power has no empty value: Delete leaves it as it is.
    const struct {
        int column;
        const char* shown;
    } cases[] = {{TxFreq, "0"}, {Decode, "Off"}, {Encode, "Off"}, {Name, ""}, {Power, "低"}};
    for (const auto& c : cases) {
        ShowPage(ChannelPage);
        grid->setFocus();
        grid->setCurrentCell(2, c.column);
        const RecordSnapshot before = Now();
        QTest::keyClick(grid, Qt::Key_Delete);
        EXPECT_EQ(grid->item(2, c.column)->text().toStdString(), c.shown) << c.column;
        if (Now() != before) {
            Trigger("MenuEdit_Undo");
            EXPECT_TRUE(Now() == before) << "one step: " << c.column;
            Trigger("MenuEdit_Redo");
        }
    }
    EXPECT_EQ(Record().Channel[2].ChSquelchMode(), SquelchCarrier) << "the squelch follows the decode tone";
    grid->setCurrentCell(2, RxFreq);
    Answer("CancelBtn", [&] { QTest::keyClick(grid, Qt::Key_Delete); });
    EXPECT_TRUE(Record().IsChannelUsed(2));
    ASSERT_TRUE(ShowActive(*window)) << "the keys go to the window again";
    Answer("OKBtn", [&] { QTest::keyClick(grid, Qt::Key_Delete); });
    EXPECT_FALSE(Record().IsChannelUsed(2));
    EXPECT_EQ(grid->item(2, RxFreq)->text(), "");
}

TEST_F(Editing, TheStatusBarSaysWhatBecameOfATypedValue)
{
    auto* status = Control<QStatusBar>("StatusBar1");
    ClickCell(1, RxFreq);
    Type("520\r");
    EXPECT_EQ(status->currentMessage(), QString::fromUtf8("470.00000：520 高于频段 400-470 MHz"));
    ClickCell(1, RxFreq);
    Type("438.5\r");
    EXPECT_EQ(status->currentMessage(), "");
}

TEST_F(Editing, AColumnOfFrequenciesOrTheGridsOwnTitlesPasteFromTheCurrentRowDown)
{
    ShowPage(ChannelPage);
    grid->setFocus();
    grid->setCurrentCell(7, Decode);
    QApplication::clipboard()->setText("438.1\n438.2\n");
    Trigger("MenuEdit_Paste");
    EXPECT_EQ(uint32_t(Record().Channel[7].RxFreq), 438100000u);
    EXPECT_EQ(uint32_t(Record().Channel[8].RxFreq), 438200000u);

    const auto title = [](ChannelColumn column) {
        return QString::fromStdString(ChannelColumnTitle(column, TTeskFuncs::LangTraditionalChinese));
    };
    QApplication::clipboard()->setText(title(ColRxFreq) + '\t' + title(ColDecodeTone) + "\n439.5\t67\n439.5075\t\n");
    QString report;
    ModalDriver::OnNextModal([&report](QWidget* modal) {
        auto* dialog = qobject_cast<ImportReportDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        report = dialog->windowTitle() + '|' + dialog->Summary->text();
        dialog->accept();
    });
    grid->setCurrentCell(9, RxFreq);
    Trigger("MenuEdit_Paste");
    EXPECT_EQ(report, QString::fromUtf8("粘贴信道|已粘贴 2 个信道"));
    EXPECT_EQ(Record().Channel[9].DecCode, 670);
    EXPECT_EQ(uint32_t(Record().Channel[10].RxFreq), 439506250u);
}

}
