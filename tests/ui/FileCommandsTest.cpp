#include <cstring>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ZipReaders.h"
#include "lang/DisplayMessage.h"
#include "lang/AppLang.h"
#include "notices/WarnDialogs.h"

namespace {

class FileCommands : public MainWindowTest {
protected:
    void SetUp() override { StartWindow(); }

    // Answers the next notice with OK and keeps its text.
    void ExpectNotice()
    {
        ModalDriver::OnNextModal([this](QWidget* modal) {
            auto* notice = qobject_cast<TUserWarnDlg*>(modal);
            ASSERT_NE(notice, nullptr);
            noticeText = notice->WarnDlgText->text();
            QTest::mouseClick(notice->OKBtn, Qt::LeftButton);
        });
    }

    QString noticeText;
};

TEST_F(FileCommands, SaveWritesTheRecordByteForByte)
{
    const RadioSettings random = RandomRecord(1);
    Record() = random;
    saveAnswer = PathInTemp("radio.Kqd");
    Trigger("MenuFile_Save");

    ASSERT_EQ(saveTitles.size(), 1u);
    EXPECT_EQ(saveTitles[0], QString::fromUtf8("保存"));
    EXPECT_EQ(ReadAllBytes(saveAnswer.toStdString()), BlockOf(random));
}

TEST_F(FileCommands, OpenAfterSaveGivesBackTheSameRecord)
{
    const RadioSettings random = RandomRecord(2);
    Record() = random;
    saveAnswer = PathInTemp("first.Kqd");
    Click("ToolButton_Save");
    Record().ResetToDefaults();

    openAnswer = saveAnswer;
    // A random record holds values the radio cannot take; the list comes up and the file opens.
    ModalDriver::ClickOnNextModal("OKBtn");
    Click("ToolButton_Open");
    ASSERT_EQ(openTitles.size(), 1u);
    EXPECT_EQ(openTitles[0], QString::fromUtf8("打开"));
    EXPECT_TRUE(SameBlock(Record(), random));

    saveAnswer = PathInTemp("second.Kqd");
    Trigger("MenuFile_Save");
    EXPECT_EQ(ReadAllBytes(saveAnswer.toStdString()), ReadAllBytes(openAnswer.toStdString()));
}

TEST_F(FileCommands, OpenRedrawsTheWindowButKeepsTheStampAndBand)
{
    RadioSettings channels{};
    channels.ResetToDefaults();
    std::memcpy(channels.DeviceSn, "87654321", 8);
    openAnswer = PathInTemp("channels.Kqd");
    WriteAll(openAnswer.toStdString(), BlockOf(channels));
    Record().LastWriteYear = 2023;
    window->FullRefresh();

    Trigger("MenuFile_Open");
    EXPECT_EQ(Control<QLabel>("sDeviceSnDisp")->text(), "87654321");
    EXPECT_EQ(Control<QLabel>("sLastWriteTime")->text(), "2023-0-0  0:0");
    EXPECT_EQ(Band(), (BandLimits{400000000, 470000000}));
}

// A file whose channels all lie in another band of the table is offered that band; the data stay
// either way, and whatever the radio cannot take in the band kept is listed.
TEST_F(FileCommands, AFileMadeForAnotherBandIsOfferedItsBand)
{
    RadioSettings vhf{};
    vhf.ResetToDefaults();
    vhf.SetChannelUsed(1, true);
    vhf.Channel[1].RxFreq = 145500000;
    vhf.SetChannelUsed(2, true);
    vhf.Channel[2].RxFreq = 146000000;
    vhf.Channel[2].TxFreq = 146600000;
    openAnswer = PathInTemp("vhf.Kqd");
    WriteAll(openAnswer.toStdString(), BlockOf(vhf));
    const struct {
        const char* answer;
        BandLimits band;
        bool listed;
    } cases[] = {{"OKBtn", {136000000, 174000000}, false}, {"CancelBtn", {400000000, 470000000}, true}};
    for (const auto& c : cases) {
        Band() = {400000000, 470000000};
        window->FullRefresh();
        QString question;
        bool listShown = false;
        ModalDriver::OnNextModal([&](QWidget* modal) {
            auto* offer = qobject_cast<TMyWarnDlg_2*>(modal);
            ASSERT_NE(offer, nullptr);
            question = offer->Label1->text();
            ModalDriver::OnNextModal([&](QWidget* list) {
                listShown = list->inherits("TRecordCheckDlg");
                qobject_cast<QDialog*>(list)->accept();
            }, 500);
            QTest::mouseClick(offer->findChild<QPushButton*>(c.answer), Qt::LeftButton);
        });
        Trigger("MenuFile_Open");
        QTest::qWait(600);
        EXPECT_TRUE(question.contains(QString::fromUtf8("频段 2 (400 - 470MHz)"))) << question.toStdString();
        EXPECT_TRUE(question.contains(QString::fromUtf8("频段 1 (136 - 174MHz)"))) << question.toStdString();
        EXPECT_EQ(Band(), c.band) << c.answer;
        EXPECT_EQ(listShown, c.listed) << c.answer;
        EXPECT_TRUE(SameBlock(Record(), vhf)) << c.answer;
        EXPECT_EQ(window->windowTitle(), "KR-T27 - vhf.Kqd") << c.answer;
    }
}

TEST_F(FileCommands, CancellingEitherDialogDoesNothing)
{
    const RadioSettings random = RandomRecord(3);
    Record() = random;
    Trigger("MenuFile_Open");
    Trigger("MenuFile_Save");
    EXPECT_EQ(openTitles.size(), 1u);
    EXPECT_EQ(saveTitles.size(), 1u);
    EXPECT_TRUE(SameBlock(Record(), random));
    EXPECT_TRUE(QDir(QString::fromStdString(dir.Path())).entryList({"*.Kqd"}).isEmpty());
}

TEST_F(FileCommands, AShortFileIsRefusedWithANoticeAndChangesNothing)
{
    const RadioSettings random = RandomRecord(4);
    Record() = random;
    openAnswer = PathInTemp("short.Kqd");
    WriteAll(openAnswer.toStdString(), std::vector<uint8_t>(100, 0x55));

    ExpectNotice();
    Trigger("MenuFile_Open");
    EXPECT_FALSE(noticeText.isEmpty());
    EXPECT_TRUE(SameBlock(Record(), random));
}

TEST_F(FileCommands, AMissingFileIsReportedAndChangesNothing)
{
    const RadioSettings random = RandomRecord(5);
    Record() = random;
    openAnswer = PathInTemp("gone.Kqd");
    ExpectNotice();
    Trigger("MenuFile_Open");
    EXPECT_FALSE(noticeText.isEmpty());
    EXPECT_TRUE(SameBlock(Record(), random));
}

TEST_F(FileCommands, AFailedSaveIsReported)
{
    saveAnswer = PathInTemp("no-such-folder/radio.Kqd");
    ExpectNotice();
    Trigger("MenuFile_Save");
    EXPECT_FALSE(noticeText.isEmpty());
}

TEST_F(FileCommands, FileFailuresAreWordedInTheInterfaceLanguage)
{
    const QString shortFile = PathInTemp("short.Kqd");
    WriteAll(shortFile.toStdString(), std::vector<uint8_t>(100, 0x55));
    const QString missingFolder = PathInTemp("no-such-folder/radio.Kqd");
    const struct {
        LanguageSetting setting;
        const char* command;
        QString path;
        const char* shown;  // UTF-8, %1 the path
    } cases[] = {
        {LanguageSetting::English, "MenuFile_Save", missingFolder, "Cannot save %1: No such file or directory"},
        {LanguageSetting::SimplifiedChinese, "MenuFile_Save", missingFolder, "无法保存 %1：文件或文件夹不存在"},
        {LanguageSetting::TraditionalChinese, "MenuFile_Save", missingFolder, "無法保存 %1：文件或文件夾不存在"},
        {LanguageSetting::TraditionalChinese, "MenuFile_Open", shortFile, "%1 只有 100 字節；信道數據文件應有 3128 字節"},
    };
    for (const auto& c : cases) {
        ApplyLanguageSetting(c.setting);
        openAnswer = saveAnswer = c.path;
        ExpectNotice();
        Trigger(c.command);
        EXPECT_EQ(noticeText.toStdString(), QString::fromUtf8(c.shown).arg(c.path).toStdString());
    }
}

// Help, Save support bundle: an archive with what its README, in the interface language, names,
// and a notice that says where it went. No transfer has run, so there is no trace to hold.
TEST_F(FileCommands, SaveSupportBundleSaysWhereTheArchiveWent)
{
    exchangeAnswer = PathInTemp("bundle.zip");
    ExpectNotice();
    Trigger("MenuHelp_SaveSupportBundle");
    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::SupportBundle);
    EXPECT_EQ(noticeText, DisplayMessage({MessageId::SupportBundleSaved, {exchangeAnswer.toStdString()}}));
    const std::vector<ZipMember> members = ZipfileMembers(exchangeAnswer.toStdString());
    std::vector<std::string> names;
    for (const ZipMember& member : members)
        names.push_back(member.Name);
    const std::vector<std::string> expected = {"README.txt", "version.txt", "KR-T27_config.ini", "ports.txt",
                                               "backups.txt"};
    EXPECT_EQ(names, expected);
    ASSERT_FALSE(members.empty());
    EXPECT_EQ(members[0].Bytes.rfind("kr-t27 " KR_T27_VERSION " 的技术支持包", 0), 0u) << members[0].Bytes;
}

// An open cell editor must store its value before the record is read or written.
TEST_F(FileCommands, BothDialogsOpenOnTheChannelPageWithTheGridFocused)
{
    auto* pages = Control<QTabWidget>("PageControl_Home");
    QString page, focus;
    const auto remember = [&](QWidget*, const QString&) {
        page = pages->currentWidget()->objectName();
        focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        return QString();
    };
    window.reset();
    const auto rememberPath = [&](QWidget* owner, const QString& title, const QString&) { return remember(owner, title); };
    const auto rememberExchange = [&](QWidget* owner, const QString& title, ExchangeFile) { return remember(owner, title); };
    window = std::make_unique<TForm1>(settingsPath, FileChooser{rememberPath, rememberPath, rememberExchange});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pages = Control<QTabWidget>("PageControl_Home");

    for (const char* command : {"MenuFile_Open", "MenuFile_OpenBackup", "MenuFile_Save", "MenuFile_ImportCsv",
                                "MenuFile_ExportCsv", "MenuFile_ExportSheetPdf"}) {
        pages->setCurrentIndex(2);
        page.clear();
        Trigger(command);
        EXPECT_EQ(page, "TabSheet_ChInfo") << command;
        EXPECT_EQ(focus, "StringGrid1") << command;
    }
}

// File, Open starts wherever the system's dialog does; Open backup in the backup folder, made if
// missing, and opens the chosen backup like any file.
TEST_F(FileCommands, OpenBackupAsksInTheBackupFolder)
{
    Trigger("MenuFile_Open");
    Record().ResetToDefaults();
    const RadioSettings kept = Record();
    openAnswer = PathInTemp("backup.Kqd");
    WriteAll(openAnswer.toStdString(), BlockOf(kept));
    Record().Channel[1].RxFreq = 438500000;
    Trigger("MenuFile_OpenBackup");

    const QString backups = QString::fromStdString(dataHome.Path() + "/kr-t27/backups");
    ASSERT_EQ(openFolders, (std::vector<QString>{QString(), backups}));
    EXPECT_EQ(openTitles[1], QString::fromUtf8("打开"));
    EXPECT_TRUE(QDir(backups).exists());
    EXPECT_TRUE(SameBlock(Record(), kept));
}

class TypedFrequency : public FileCommands {
protected:
    // Opens channel 1's receive cell and types a frequency without leaving the editor.
    void TypeIntoChannelOne()
    {
        auto* grid = Control<QTableWidget>("StringGrid1");
        auto* editor = Control<QLineEdit>("Edit_ChFreq");
        ASSERT_TRUE(grid && editor);
        const QPoint rxCell = grid->visualItemRect(grid->item(1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rxCell);
        QTest::keyClick(grid, Qt::Key_Return);
        ASSERT_TRUE(editor->isVisible());
        QTest::keyClicks(editor, "438.5");
    }

    void ExpectSavedWithChannelOne()
    {
        const std::vector<uint8_t> saved = ReadAllBytes(saveAnswer.toStdString());
        ASSERT_EQ(saved.size(), RadioSettingsBlockSize);
        RadioSettings inFile{};
        std::memcpy(inFile.BlockBytes(), saved.data(), saved.size());
        EXPECT_TRUE(inFile.IsChannelUsed(1));
        EXPECT_EQ(inFile.Channel[1].RxFreq, 438500000u);
    }
};

TEST_F(TypedFrequency, SaveStoresIt)
{
    TypeIntoChannelOne();
    saveAnswer = PathInTemp("typed.Kqd");
    Trigger("MenuFile_Save");
    ExpectSavedWithChannelOne();
}

TEST_F(TypedFrequency, SavingOnClosingStoresIt)
{
    TypeIntoChannelOne();
    saveAnswer = PathInTemp("closing.Kqd");
    ModalDriver::ClickOnNextModal("OKBtn");
    EXPECT_TRUE(window->close());
    ExpectSavedWithChannelOne();
}

struct CloseCase {
    const char* button;
    const char* saveAnswer;
    bool closes;
    size_t saveDialogs;
    bool fileWritten;
};

class ClosePrompt : public FileCommands, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosePrompt, AnswersDecideWhetherToSaveAndClose)
{
    const CloseCase& c = GetParam();
    saveAnswer = c.saveAnswer[0] ? PathInTemp(c.saveAnswer) : QString();
    QString question;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* prompt = qobject_cast<TMyWarnDlg_3*>(modal);
        ASSERT_NE(prompt, nullptr);
        question = prompt->Label1->text();
        EXPECT_EQ(prompt->OKBtn->text(), QString::fromUtf8("是"));
        EXPECT_EQ(prompt->NoBtn->text(), QString::fromUtf8("否"));
        EXPECT_EQ(prompt->CancelBtn->text(), QString::fromUtf8("取消"));
        QTest::mouseClick(prompt->findChild<QPushButton*>(c.button), Qt::LeftButton);
    });
    const bool closed = window->close();

    EXPECT_EQ(question, QString::fromUtf8("关闭应用程序前保存数据 ？"));
    EXPECT_EQ(closed, c.closes);
    EXPECT_EQ(window->isVisible(), !c.closes);
    EXPECT_EQ(saveTitles.size(), c.saveDialogs);
    EXPECT_EQ(!QDir(QString::fromStdString(dir.Path())).entryList({"*.Kqd"}).isEmpty(), c.fileWritten);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ClosePrompt,
                         ::testing::Values(CloseCase{"OKBtn", "kept.Kqd", true, 1, true},
                                           CloseCase{"OKBtn", "", false, 1, false},
                                           CloseCase{"NoBtn", "", true, 0, false},
                                           CloseCase{"CancelBtn", "", false, 0, false}));

// Closing after a failed save would lose the data the user just asked to keep.
TEST_F(FileCommands, AFailedSaveOnClosingKeepsTheWindowOpen)
{
    saveAnswer = PathInTemp("no-such-folder/radio.Kqd");
    ModalDriver::OnNextModal([this](QWidget* prompt) {
        ExpectNotice();
        QTest::mouseClick(prompt->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(noticeText.isEmpty());
}

TEST_F(FileCommands, ExitGoesThroughTheClosePrompt)
{
    ModalDriver::ClickOnNextModal("NoBtn");
    Trigger("MenuFile_Exit");
    EXPECT_FALSE(window->isVisible());
}

}
