#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FileContents.h"
#include "FileModes.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "calibration/AccessCode.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "model/MemoryImage.h"
#include "notices/RecordCheckDlg.h"
#include "notices/WarnDialogs.h"

namespace {

// How long a modal helper waits for the next dialog: a transfer's handshake runs on a one-second
// timer, so its ending takes several seconds.
constexpr int TransferWaitMs = 30000;

enum ProgramText { CommunicationFailureText = 2, SuccessText = 3, PasswordErrorText = 4, BandQuestionText = 5 };

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> BandOption(const BandLimits& band)
{
    return {"--band-limits", std::to_string(band.BandMin), std::to_string(band.BandMax)};
}

// The main window on a settings file that pins COM1 to the virtual radio's link.
class RadioTransfer : public MainWindowTest {
protected:
    void StartWith(const std::vector<std::string>& radioOptions, const std::string& moreConfig = "")
    {
        radio = std::make_unique<RadioProcess>(radioOptions);
        WriteSettingsFile("[config]\nPort=1\nLanguage=0\nAutoSeachPort=0\n" + moreConfig + "[Ports]\nCOM1=" +
                          radio->LinkPath() + "\n");
        StartWindow();
    }

    // Runs `command`, presses Start in the transfer dialog, answers the band question if one comes
    // and keeps the text of the notice the transfer ends with.
    void RunTransfer(const char* command, const char* bandAnswer = "OKBtn")
    {
        RunTransfer([this, command] { Trigger(command); }, bandAnswer);
    }

    void RunTransfer(const std::function<void()>& command, const char* bandAnswer)
    {
        ModalDriver::OnNextModal([this, bandAnswer](QWidget* dialog) {
            // The list of values the radio cannot take comes first; these tests write anyway.
            if (auto* check = qobject_cast<TRecordCheckDlg*>(dialog)) {
                RunTransfer([check] { QTest::mouseClick(check->OKBtn, Qt::LeftButton); }, bandAnswer);
                return;
            }
            caption = dialog->windowTitle();
            focusBeforeTransfer = window->focusWidget() ? window->focusWidget()->objectName() : QString();
            WatchForTheEnding(dialog, bandAnswer);
            QTest::mouseClick(dialog->findChild<QPushButton*>("ProgramStart"), Qt::LeftButton);
        });
        command();
    }

    void WatchForTheEnding(QWidget* transferDialog, const char* bandAnswer)
    {
        ModalDriver::OnNextModal(
            [this, transferDialog, bandAnswer](QWidget* modal) {
                if (modal == transferDialog) {
                    // Back from the band question: the notice is still to come.
                    WatchForTheEnding(transferDialog, bandAnswer);
                } else if (auto* question = qobject_cast<TMyWarnDlg_2*>(modal)) {
                    bandQuestion = question->Label1->text();
                    if (std::strcmp(bandAnswer, "OKBtn") == 0)
                        WatchForTheEnding(transferDialog, bandAnswer);
                    QTest::mouseClick(question->findChild<QPushButton*>(bandAnswer), Qt::LeftButton);
                } else if (auto* notice = qobject_cast<TUserWarnDlg*>(modal)) {
                    ending = notice->WarnDlgText->text();
                    QTest::mouseClick(notice->OKBtn, Qt::LeftButton);
                }
            },
            TransferWaitMs);
    }

    // Opens the Adjustment menu with its access code and writes the calibration record from the
    // calibration dialog, keeping the notice the transfer ends with.
    void WriteCalibrationFromTheMenu()
    {
        ModalDriver::OnNextModal([this](QWidget* access) {
            access->findChild<QLineEdit*>("eInput")->setText(QString::fromLatin1(AdjustmentAccessCode.data()));
            ModalDriver::OnNextModal([this](QWidget* adjustment) {
                RunTransfer([adjustment] { adjustment->findChild<QPushButton*>("bWrite")->click(); }, "OKBtn");
                qobject_cast<QDialog*>(adjustment)->reject();
            });
            access->findChild<QPushButton*>("OKBtn")->click();
        });
        Trigger("MenuAdjustment");
    }

    static QString TransferText(int entry) { return DisplayText(ProgramDialogText(entry)); }

    std::unique_ptr<RadioProcess> radio;
    QString caption;
    QString focusBeforeTransfer;
    QString bandQuestion;
    QString ending;
};

TEST_F(RadioTransfer, ReadingFillsTheRecordAndRedrawsTheWindow)
{
    StartWith(QuickRadioWith({"--sample"}));
    RunTransfer("MenuEdit_Read");

    EXPECT_EQ(caption, "Read from radio");
    EXPECT_EQ(focusBeforeTransfer, "bHide");
    EXPECT_EQ(ending, TransferText(SuccessText));
    EXPECT_TRUE(Record().IsChannelUsed(1));
    EXPECT_EQ(Control<QLabel>("sDeviceSnDisp")->text(), "20260504");
    EXPECT_NE(Control<QLabel>("sLastWriteTime")->text(), "0-0-0  0:0");
    EXPECT_EQ(BandTicks(), (std::vector<bool>{false, true, false, false, false, false}));
}

// A read is one step of the history; a write changed the radio, so it is none and keeps the history.
TEST_F(RadioTransfer, UndoAfterAReadRestoresTheRecordBeforeIt)
{
    StartWith(QuickRadioWith(With({"--sample"}, BandOption({144000000, 146000000}))));
    const RadioSettings before = Record();
    const BandLimits bandBefore = Band();
    RunTransfer("MenuEdit_Read");
    ASSERT_EQ(ending, TransferText(SuccessText));
    const RadioSettings read = Record();

    Trigger("MenuEdit_Undo");
    EXPECT_EQ(std::memcmp(&Record(), &before, sizeof before), 0);
    EXPECT_EQ(Band(), bandBefore);
    Trigger("MenuEdit_Redo");
    EXPECT_EQ(std::memcmp(&Record(), &read, sizeof read), 0);

    RunTransfer("MenuEdit_Write");
    ASSERT_EQ(ending, TransferText(SuccessText));
    ASSERT_TRUE(Item("MenuEdit_Undo")->isEnabled());
    Trigger("MenuEdit_Undo");
    EXPECT_EQ(std::memcmp(&Record(), &before, sizeof before), 0);
}

TEST_F(RadioTransfer, ARadioBandOutsideTheTableShowsInTheExtraBandItem)
{
    StartWith(QuickRadioWith(With({"--sample"}, BandOption({144000000, 146000000}))));
    RunTransfer("MenuEdit_Read");

    ASSERT_EQ(ending, TransferText(SuccessText));
    EXPECT_EQ(Band(), (BandLimits{144000000, 146000000}));
    EXPECT_EQ(BandTicks(), std::vector<bool>(6, false));
    EXPECT_EQ(Item("MenuEdit_Band_undef")->text(), "Frequency Band (144 - 146MHz)");
}

TEST_F(RadioTransfer, WritingPutsTheRecordIntoTheRadio)
{
    StartWith(QuickRadio);
    Record().SetChannelUsed(3, true);
    Record().Channel[3].RxFreq = 438500000;
    Record().Channel[3].TxFreq = 438500000;
    RunTransfer([this] { Click("ToolButton_Write"); }, "OKBtn");

    EXPECT_EQ(caption, "Write to radio");
    EXPECT_EQ(focusBeforeTransfer, "bHide");
    EXPECT_EQ(ending, TransferText(SuccessText));
    EXPECT_TRUE(bandQuestion.isEmpty());

    RadioSettings inRadio{};
    BandLimits radioBand;
    SetDataToSoftware(radio->StopAndReadMemory(), inRadio, radioBand);
    EXPECT_TRUE(inRadio.IsChannelUsed(3));
    EXPECT_EQ(inRadio.Channel[3].RxFreq, 438500000u);
    EXPECT_FALSE(inRadio.IsChannelUsed(1));
}

TEST_F(RadioTransfer, CancelAtTheBandQuestionWritesNoBlock)
{
    const std::vector<std::string> options = QuickRadioWith(BandOption({136000000, 174000000}));
    const MemoryImage before = RadioProcess::MemoryAtStart(options, MemoryImage{});
    StartWith(options);
    Record().SetChannelUsed(3, true);
    Record().Channel[3].RxFreq = 438500000;
    RunTransfer("MenuEdit_Write", "CancelBtn");

    EXPECT_EQ(bandQuestion, TransferText(BandQuestionText));
    EXPECT_TRUE(ending.isEmpty());
    EXPECT_TRUE(radio->StopAndReadMemory() == before);
}

TEST_F(RadioTransfer, ContinueAtTheBandQuestionWrites)
{
    StartWith(QuickRadioWith(BandOption({136000000, 174000000})));
    Record().SetChannelUsed(5, true);
    Record().Channel[5].RxFreq = 440000000;
    RunTransfer("MenuEdit_Write", "OKBtn");

    EXPECT_EQ(bandQuestion, TransferText(BandQuestionText));
    EXPECT_EQ(ending, TransferText(SuccessText));
    RadioSettings inRadio{};
    BandLimits radioBand;
    SetDataToSoftware(radio->StopAndReadMemory(), inRadio, radioBand);
    EXPECT_TRUE(inRadio.IsChannelUsed(5));
}

TEST_F(RadioTransfer, AWrongPasswordIsReportedAndTheRecordKeepsItsData)
{
    StartWith(QuickRadioWith({"--sample", "--password", "1234"}));
    std::memcpy(Record().Password, "9999", 4);
    const RadioSettings before = Record();
    RunTransfer("MenuEdit_Read");

    EXPECT_EQ(ending, TransferText(PasswordErrorText) + "\n" + DisplayMessage({MessageId::AdvicePassword}));
    EXPECT_FALSE(Record().IsChannelUsed(1));
    EXPECT_EQ(0, std::memcmp(Record().Channel, before.Channel, sizeof before.Channel));
    EXPECT_EQ(0, std::memcmp(&Record().Voice, &before.Voice, RadioSettingsBlockSize - offsetof(RadioSettings, Voice)));
}

TEST_F(RadioTransfer, ASilentPortEndsInACommunicationFailure)
{
    StartWith(QuickRadioWith({"--silent-from-step", "0"}));
    const RadioSettings before = Record();
    QWidget* grid = Control<QWidget>("StringGrid1");
    grid->setFocus();
    RunTransfer("MenuEdit_Read");
    EXPECT_TRUE(ending.startsWith(TransferText(CommunicationFailureText))) << ending.toStdString();
    EXPECT_TRUE(SameBlock(Record(), before));
    // The keys typed after the notice reach the grid they were typed in before the transfer.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

// The read keeps the record and the image it came in, the write what it sends; the log of the
// last transfer holds its requests, with the password masked, and is the user's alone.
TEST_F(RadioTransfer, TransfersLeaveBackupsAndALogOfTheLastOne)
{
    const UmaskOverride umask(022);
    StartWith(QuickRadioWith({"--sample"}));
    EXPECT_FALSE(Item("MenuSaveTransferLog")->isEnabled());
    RunTransfer("MenuEdit_Read");
    ASSERT_EQ(ending, TransferText(SuccessText));
    const std::string folder = BackupFolder("20260504");
    std::vector<std::string> names = NamesIn(folder);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].size(), std::string("20261208-093012-read.Kqd").size());
    EXPECT_EQ(names[0].substr(15), "-read.Kqd");
    EXPECT_EQ(names[1].substr(15), "-read.img");
    EXPECT_EQ(ReadAllBytes(folder + "/" + names[0]), BlockOf(Record()));
    const std::vector<uint8_t> image = ReadAllBytes(folder + "/" + names[1]);
    ASSERT_EQ(image.size(), MemoryImageSize);
    const MemoryImage inRadio = RadioProcess::MemoryAtStart(QuickRadioWith({"--sample"}), MemoryImage{});
    EXPECT_TRUE(std::equal(inRadio.begin(), inRadio.begin() + ImageReadEnd, image.begin()));

    ASSERT_TRUE(Item("MenuSaveTransferLog")->isEnabled());
    exchangeAnswer = PathInTemp("read.log");
    Trigger("MenuSaveTransferLog");
    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::TransferLog);
    const std::string log = ReadAll(exchangeAnswer.toStdString());
    size_t requests = 0;
    for (size_t at = log.find(" > 52 "); at != std::string::npos; at = log.find(" > 52 ", at + 1))
        ++requests;
    EXPECT_EQ(requests, 50u);
    size_t masked = 0;
    for (size_t at = log.find(" **"); at != std::string::npos; at = log.find(" **", at + 1))
        ++masked;
    EXPECT_EQ(masked, 32u) << "the info answer's password and the password frame's payload";
    EXPECT_EQ(PermissionsOf(exchangeAnswer.toStdString()), 0600u);
    // The same trace stays in the data folder for a support bundle.
    EXPECT_EQ(ReadAll(LastTracePath()), log);
    EXPECT_EQ(PermissionsOf(LastTracePath()), 0600u);

    Record().Channel[1].RxFreq = 438500000;
    RunTransfer("MenuEdit_Write");
    ASSERT_EQ(ending, TransferText(SuccessText));
    names = NamesIn(folder);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[2].substr(15), "-write.Kqd");
    // Taken once the radio answered: what was sent, with what the handshake reported.
    EXPECT_EQ(ReadAllBytes(folder + "/" + names[2]), BlockOf(Record()));
    EXPECT_EQ(Record().Channel[1].RxFreq, 438500000u);
}

// The record the caption named is replaced: the caption names the radio and Save offers no file
// of the record's former owner. The names, which the radio does not hold, stay.
TEST_F(RadioTransfer, AReadNamesTheRadioInsteadOfTheFileItReplaced)
{
    StartWith(QuickRadioWith({"--sample"}));
    RadioSettings customer{};
    customer.ResetToDefaults();
    customer.SetChannelUsed(1, true);
    customer.Channel[1].RxFreq = 438500000;
    customer.Channel[1].TxFreq = 438500000;
    std::memcpy(customer.Channel[1].Name, "CUST", 4);
    openAnswer = PathInTemp("edit1.Kqd");
    WriteAll(openAnswer.toStdString(), BlockOf(customer));
    Trigger("MenuFile_Open");
    Record().Channel[1].RxFreq = 439000000;
    // A focus change ends the edit, as leaving an editor does.
    Control<QWidget>("bHide")->setFocus();
    const RadioSettings edited = Record();
    ASSERT_EQ(window->windowTitle(), "KR-T27 - edit1.Kqd *");

    RunTransfer("MenuEdit_Read");
    ASSERT_EQ(ending, TransferText(SuccessText));
    EXPECT_EQ(window->windowTitle(), "KR-T27 - radio 20260504 *");
    EXPECT_STREQ(reinterpret_cast<const char*>(Record().Channel[1].Name), "CUST");
    Trigger("MenuFile_Save");
    ASSERT_EQ(saveSuggestions.size(), 1u);
    EXPECT_TRUE(saveSuggestions[0].isEmpty()) << saveSuggestions[0].toStdString();

    Trigger("MenuEdit_Undo");
    EXPECT_TRUE(SameBlock(Record(), edited));
}

// A write's backup goes with the radio that answered, not with the radio the record came from.
TEST_F(RadioTransfer, AWriteIsBackedUpInTheFolderOfTheRadioThatAnswered)
{
    StartWith(QuickRadio);
    std::memcpy(Record().DeviceSn, "OLDRADIO", DeviceSnSize);
    RunTransfer("MenuEdit_Write");
    ASSERT_EQ(ending, TransferText(SuccessText));
    const std::vector<std::string> names = NamesIn(BackupFolder("20260504"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].substr(15), "-write.Kqd");
    EXPECT_TRUE(NamesIn(BackupFolder("OLDRADIO")).empty());
}

// An unplugged pinned adapter is named and explained in the interface language, and no hello
// goes out.
TEST_F(RadioTransfer, AMissingPinnedPortIsExplainedAndNothingIsSent)
{
    WriteSettingsFile("[config]\nPort=1\nLanguage=1\nAutoSeachPort=0\n[Ports]\nCOM1=" + dir.File("unplugged") +
                      "\n");
    StartWindow();
    RunTransfer("MenuEdit_Read");
    const QString reason = DisplayMessage({MessageId::PortMissing, {"COM1", MessageArg::Reason(ENOENT)}});
    const QString tried = DisplayMessage({MessageId::PortsTried, {"COM1"}});
    const QString advice = DisplayMessage({MessageId::AdviceCheckLink});
    EXPECT_EQ(ending.toStdString(),
              QStringList({TransferText(CommunicationFailureText), reason, tried, advice}).join('\n').toStdString());

    exchangeAnswer = PathInTemp("failed.log");
    Trigger("MenuSaveTransferLog");
    const std::string log = ReadAll(exchangeAnswer.toStdString());
    EXPECT_NE(log.find("port did not open"), std::string::npos) << log;
    EXPECT_EQ(log.find(" > "), std::string::npos) << log;
}

// A calibration write keeps what the radio held first and says where; Backups=0 turns that off as
// it does for every transfer.
TEST_F(RadioTransfer, CalibrationWritesKeepTheRadiosCalibrationFirst)
{
    StartWith(QuickRadio);
    WriteCalibrationFromTheMenu();
    const std::vector<std::string> names = NamesIn(BackupFolder("20260504"));
    ASSERT_EQ(names.size(), 2u) << ending.toStdString();
    // The factory's transfers leave their trace for a support bundle as any other does.
    EXPECT_NE(ReadAll(LastTracePath()).find(" > 57 43 70 10"), std::string::npos);
    EXPECT_EQ(names[0].substr(15), "-factory.Kqda");
    EXPECT_EQ(names[1].substr(15), "-factory.sn");
    EXPECT_EQ(ending, TransferText(SuccessText) +
                          "\nThe radio's calibration and serial number before this write are backed up in " +
                          QString::fromStdString(BackupFolder("20260504") + "/" + names[0]));
}

TEST_F(RadioTransfer, CalibrationWritesKeepNoBackupWhenBackupsAreOff)
{
    StartWith(QuickRadio, "Backups=0\n");
    WriteCalibrationFromTheMenu();
    EXPECT_EQ(ending, TransferText(SuccessText));
    EXPECT_TRUE(NamesIn(BackupFolder("20260504")).empty());
}

TEST_F(RadioTransfer, BackupsOffLeavesNoBackup)
{
    StartWith(QuickRadioWith({"--sample"}), "Backups=0\n");
    RunTransfer("MenuEdit_Read");
    ASSERT_EQ(ending, TransferText(SuccessText));
    RunTransfer("MenuEdit_Write");
    ASSERT_EQ(ending, TransferText(SuccessText));
    EXPECT_TRUE(NamesIn(BackupFolder("20260504")).empty());
    EXPECT_TRUE(Item("MenuSaveTransferLog")->isEnabled());
}

}
