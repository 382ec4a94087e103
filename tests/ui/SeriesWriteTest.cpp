#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "lang/DisplayMessage.h"
#include "lang/IdSeriesMessage.h"
#include "lang/TextTable.h"
#include "model/DtmfDigits.h"
#include "model/IdSeries.h"
#include "model/MemoryImage.h"
#include "notices/WarnDialogs.h"

namespace {

// Three radios with their swaps, or a handshake's time-out, take a few seconds each.
constexpr int SeriesWaitMs = 60000;
constexpr int PasswordErrorText = 4;
const std::string FirstSerial = "20260504";
const RadioArgs TwoMoreRadios = {"--next-radio", "20260505:second.bin", "--next-radio", "20260506:third.bin",
                                 "--swap-silence", "500"};

void SetCode(uint8_t* codes, uint8_t& length, const char* text)
{
    StoreDtmfText(text, codes, DtmfCodeCapacity, length);
}

QString WrittenLine(size_t n, const std::string& serial)
{
    return DisplayMessage({MessageId::SeriesRadioWritten, {std::to_string(n + 1), serial}});
}

// The log's lines end in CR LF, as spreadsheets expect.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const bool crlf = !line.empty() && line.back() == '\r';
        EXPECT_TRUE(crlf) << line;
        if (crlf)
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

size_t FilesIn(const std::string& folder)
{
    std::error_code ec;
    const std::filesystem::directory_iterator files(folder, ec);
    return ec ? 0 : size_t(std::distance(begin(files), end(files)));
}

// A row's fields, an empty last one included.
std::vector<std::string> Columns(const std::string& row)
{
    std::vector<std::string> columns(1);
    for (char c : row) {
        if (c == ',')
            columns.emplace_back();
        else
            columns.back() += c;
    }
    return columns;
}

// Each row's value in the log's column `name`.
std::vector<std::string> LogColumn(const std::vector<std::string>& log, const std::string& name)
{
    const std::vector<std::string> header = Columns(log.at(0));
    const size_t column = size_t(std::find(header.begin(), header.end(), name) - header.begin());
    std::vector<std::string> values;
    for (size_t row = 1; row < log.size(); ++row)
        values.push_back(Columns(log[row]).at(column));
    return values;
}

std::string PttIdIn(const MemoryImage& image)
{
    RadioSettings settings{};
    BandLimits band;
    SetDataToSoftware(image, settings, band);
    return DtmfText(settings.PttId, DtmfCodeCapacity, settings.PttIdLength);
}

// The window on the fast link to the virtual radio; the series dialog driven from inside its exec().
class SeriesWrite : public MainWindowTest {
protected:
    void StartWith(const RadioArgs& radioOptions, const MemoryImage* memory = nullptr)
    {
        radio = std::make_unique<RadioProcess>(radioOptions, memory);
        WriteSettingsFile("[config]\nPort=1\nLanguage=0\nAutoSeachPort=0\nFastLink=1\n[Ports]\nCOM1=" +
                          radio->LinkPath() + "\n");
        StartWindow();
    }

    // A cable on COM1 and one on COM2, each with its radios; the port settings search.
    void StartOnTwoPorts(const RadioArgs& first, const RadioArgs& second)
    {
        radio = std::make_unique<RadioProcess>(first);
        secondCable = std::make_unique<RadioProcess>(second);
        WriteSettingsFile("[config]\nPort=1\nLanguage=0\nAutoSeachPort=1\nFastLink=1\n[Ports]\nCOM1=" +
                          radio->LinkPath() + "\nCOM2=" + secondCable->LinkPath() + "\n");
        StartWindow();
    }

    // Opens the dialog, lets `setUp` fill it in, presses Start and calls `whileRunning` until the
    // series has ended; keeps what the dialog shows, then closes it.
    // A record with unsaved changes brings the question whether to save first; it is answered with
    // `questionAnswer`.
    void RunSeries(const std::function<void(QWidget*)>& setUp,
                   const std::function<void(QWidget*)>& whileRunning = [](QWidget*) {})
    {
        OnSeriesDialog(setUp, whileRunning);
        Trigger("MenuEdit_WriteSeveral");
    }

    void OnSeriesDialog(const std::function<void(QWidget*)>& setUp, const std::function<void(QWidget*)>& whileRunning)
    {
        ModalDriver::OnNextModal([=](QWidget* dialog) {
            if (auto* question = qobject_cast<TMyWarnDlg_3*>(dialog)) {
                saveQuestion = question->Label1->text();
                OnSeriesDialog(setUp, whileRunning);
                QTest::mouseClick(question->findChild<QPushButton*>(questionAnswer), Qt::LeftButton);
                return;
            }
            setUp(dialog);
            QTest::mouseClick(Find<QPushButton>(dialog, "SeriesStart"), Qt::LeftButton);
            const bool ended = QTest::qWaitFor(
                [&] {
                    whileRunning(dialog);
                    return Find<QPushButton>(dialog, "SeriesStart")->isEnabled() &&
                           QApplication::activeModalWidget() == dialog;
                },
                SeriesWaitMs);
            EXPECT_TRUE(ended);
            status = Find<QLabel>(dialog, "SeriesStatus")->text();
            auto* list = Find<QListWidget>(dialog, "SeriesOutcomes");
            for (int row = 0; row < list->count(); ++row)
                outcomes << list->item(row)->text();
            for (int n = 1; auto* port = dialog->findChild<QLabel*>("SeriesPortName" + QString::number(n)); ++n)
                portLines << port->text() + " " + Find<QLabel>(dialog, "SeriesPortState" + QString::number(n))->text();
            QTest::mouseClick(Find<QPushButton>(dialog, "SeriesClose"), Qt::LeftButton);
        });
    }

    // Keeps the text of the next notice and closes it.
    void AnswerNextNotice()
    {
        ModalDriver::OnNextModal(
            [this](QWidget* modal) {
                if (auto* notice = qobject_cast<TUserWarnDlg*>(modal)) {
                    notice_ = notice->WarnDlgText->text();
                    QTest::mouseClick(notice->OKBtn, Qt::LeftButton);
                }
            },
            SeriesWaitMs);
    }

    template <typename T>
    static T* Find(QWidget* dialog, const QString& name)
    {
        T* control = dialog->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    static void AddPort(QWidget* dialog, const char* port)
    {
        auto* choice = Find<QComboBox>(dialog, "SeriesPortChoice");
        choice->setCurrentIndex(choice->findData(QString::fromLatin1(port)));
        QTest::mouseClick(Find<QPushButton>(dialog, "SeriesAddPort"), Qt::LeftButton);
    }

    static void AskFor(QWidget* dialog, int radios, bool increaseIds)
    {
        Find<QSpinBox>(dialog, "RadioCount")->setValue(radios);
        Find<QCheckBox>(dialog, "IncreaseIds")->setChecked(increaseIds);
        Find<QCheckBox>(dialog, "VerifyAfterWrite")->setChecked(false);
    }

    static RadioSettings RecordIn(const MemoryImage& image)
    {
        RadioSettings settings{};
        BandLimits band;
        SetDataToSoftware(image, settings, band);
        return settings;
    }

    std::string LogPath() const { return dir.File("programming-log.csv"); }

    std::unique_ptr<RadioProcess> radio;
    std::unique_ptr<RadioProcess> secondCable;
    const char* questionAnswer = "NoBtn";
    QString saveQuestion;
    QString status;
    QStringList outcomes;
    QStringList portLines;  // name and state of each port's own line
    QString notice_;
};

TEST_F(SeriesWrite, EachRadioOfTheSeriesGetsTheRecordWithItsOwnIdsAndARowInTheLog)
{
    StartWith(QuickRadioWith(TwoMoreRadios));
    Record().SetChannelUsed(3, true);
    Record().Channel[3].RxFreq = 438500000;
    Record().Channel[3].TxFreq = 438500000;
    SetCode(Record().PttId, Record().PttIdLength, "098");
    SetCode(Record().Ani, Record().AniLength, "0123");
    const RadioSettings before = Record();
    exchangeAnswer = QString::fromStdString(LogPath());

    QString firstIds;
    RunSeries([&](QWidget* dialog) {
        AskFor(dialog, 3, true);
        auto* start = Find<QPushButton>(dialog, "SeriesStart");
        EXPECT_TRUE(start->isDefault());
        EXPECT_EQ(start->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
        firstIds = Find<QLabel>(dialog, "FirstIds")->text();
        QTest::mouseClick(Find<QPushButton>(dialog, "BrowseLog"), Qt::LeftButton);
    });

    EXPECT_EQ(firstIds, "First radio: PTT ID 098, ANI 0123");
    EXPECT_EQ(status, DisplayMessage({MessageId::SeriesAllWritten, {"3"}}));
    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::ProgrammingLog);
    EXPECT_EQ(0, std::memcmp(&Record(), &before, sizeof before));

    const MemoryImage first = radio->StopAndReadMemory();
    const std::vector<MemoryImage> images{first, radio->ReadMemory("second.bin"), radio->ReadMemory("third.bin")};
    const std::vector<std::pair<std::string, std::string>> ids{{"098", "0123"}, {"099", "0124"}, {"100", "0125"}};
    const std::vector<std::string> serials{FirstSerial, "20260505", "20260506"};
    const std::vector<std::string> log = Lines(ReadAll(LogPath()));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0],
              "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify,port,ids_row");
    for (size_t n = 0; n < images.size(); ++n) {
        const RadioSettings inRadio = RecordIn(images[n]);
        EXPECT_TRUE(inRadio.IsChannelUsed(3)) << n;
        EXPECT_EQ(inRadio.Channel[3].RxFreq, 438500000u) << n;
        EXPECT_EQ(DtmfText(inRadio.PttId, DtmfCodeCapacity, inRadio.PttIdLength), ids[n].first) << n;
        EXPECT_EQ(DtmfText(inRadio.Ani, DtmfCodeCapacity, inRadio.AniLength), ids[n].second) << n;
        const std::vector<std::string> row = Columns(log[n + 1]);
        ASSERT_GE(row.size(), 9u) << log[n + 1];
        EXPECT_EQ(row[1], serials[n]);
        EXPECT_EQ(row[7], ids[n].first);
        EXPECT_EQ(row[8], ids[n].second);
        EXPECT_EQ(outcomes.value(int(n)), WrittenLine(n, serials[n]));
    }
}

// The radio just written answers again before the swap: it is no next radio unless the user
// says "Same radio again".
TEST_F(SeriesWrite, TheSameRadioAnsweringAgainIsNotCountedUnlessTheUserSaysSo)
{
    struct Case {
        bool pressSameRadio;
        const char* sessionsPerRadio;
        std::vector<std::string> serials;
    };
    for (const Case& c : {Case{false, "2", {FirstSerial, "20260505"}}, Case{true, "3", {FirstSerial, FirstSerial}}}) {
        SCOPED_TRACE(c.pressSameRadio);
        StartWith(QuickRadioWith({"--next-radio", "20260505", "--swap-silence", "500", "--sessions-per-radio",
                                  c.sessionsPerRadio}));
        QString sameRadioStatus;
        outcomes.clear();
        RunSeries([](QWidget* dialog) { AskFor(dialog, 2, false); },
                  [&](QWidget* dialog) {
                      auto* again = Find<QPushButton>(dialog, "SameRadioAgain");
                      if (!again->isEnabled() || !sameRadioStatus.isEmpty())
                          return;
                      sameRadioStatus = Find<QLabel>(dialog, "SeriesStatus")->text();
                      if (c.pressSameRadio)
                          QTest::mouseClick(again, Qt::LeftButton);
                  });

        EXPECT_EQ(sameRadioStatus, DisplayMessage({MessageId::SeriesSameRadio, {FirstSerial}}));
        ASSERT_EQ(outcomes.size(), 2);
        for (size_t n = 0; n < 2; ++n)
            EXPECT_EQ(outcomes[int(n)], WrittenLine(n, c.serials[n]));
        window.reset();
    }
}

// Stop while the series waits for the next radio ends it at once, with what was written.
TEST_F(SeriesWrite, StopBetweenRadiosEndsTheSeriesAfterTheRadioDone)
{
    StartWith(QuickRadio);
    bool stopped = false;
    RunSeries([](QWidget* dialog) { AskFor(dialog, 3, false); },
              [&](QWidget* dialog) {
                  if (stopped || Find<QListWidget>(dialog, "SeriesOutcomes")->count() != 1)
                      return;
                  EXPECT_EQ(Find<QLabel>(dialog, "SeriesStatus")->text(),
                            DisplayMessage({MessageId::SeriesRadioDone, {"1", FirstSerial}}));
                  QTest::mouseClick(Find<QPushButton>(dialog, "SeriesStop"), Qt::LeftButton);
                  stopped = true;
              });

    EXPECT_TRUE(stopped);
    EXPECT_EQ(status, DisplayMessage({MessageId::SeriesStopped, {"1"}}));
    EXPECT_EQ(outcomes.size(), 1);
    EXPECT_TRUE(Item("MenuSaveTransferLog")->isEnabled());
}

// The second radio holds another password: its attempt is logged and the series ends on the
// notice a single write shows.
TEST_F(SeriesWrite, AFailedRadioIsLoggedAndEndsTheSeriesWithTheWritesNotice)
{
    StartWith(QuickRadioWith(TwoMoreRadios));
    const MemoryImage locked = RadioProcess::MemoryAtStart(QuickRadioWith({"--password", "1234"}), MemoryImage{});
    WriteAll(radio->FilePath("second.bin"), std::vector<uint8_t>(locked.begin(), locked.end()));

    RunSeries([this](QWidget* dialog) {
        AskFor(dialog, 3, false);
        Find<QLineEdit>(dialog, "LogFile")->setText(QString::fromStdString(LogPath()));
        AnswerNextNotice();
    });

    const QString passwordError = DisplayText(ProgramDialogText(PasswordErrorText));
    EXPECT_EQ(notice_, passwordError + "\n" + DisplayMessage({MessageId::AdvicePassword}));
    ASSERT_EQ(outcomes.size(), 2);
    EXPECT_EQ(status, outcomes[1]);
    EXPECT_TRUE(outcomes[1].endsWith(passwordError)) << outcomes[1].toStdString();
    const std::vector<std::string> log = Lines(ReadAll(LogPath()));
    ASSERT_EQ(log.size(), 3u);
    const std::vector<std::string> written = Columns(log[1]);
    const std::vector<std::string> failed = Columns(log[2]);
    ASSERT_GE(failed.size(), 10u) << log[2];
    EXPECT_EQ(written[9], "written");
    EXPECT_EQ(failed[9], "password error");
}

// The log never names a file that holds something else than what was written: unsaved changes
// are saved first, or the log marks the record unsaved. Each radio is backed up in its own folder.
TEST_F(SeriesWrite, UnsavedChangesAreSavedFirstOrTheLogMarksThemUnsaved)
{
    struct Case {
        const char* answer;
        bool saved;
    };
    for (const Case& c : {Case{"OKBtn", true}, Case{"NoBtn", false}}) {
        SCOPED_TRACE(c.answer);
        StartWith(QuickRadio);
        openAnswer = PathInTemp("edit1.Kqd");
        WriteAll(openAnswer.toStdString(), BlockOf(Record()));
        Trigger("MenuFile_Open");
        Record().SetChannelUsed(3, true);
        Record().Channel[3].RxFreq = 438500000;
        Record().Channel[3].TxFreq = 438500000;
        questionAnswer = c.answer;
        saveAnswer = PathInTemp("saved.Kqd");
        const size_t backups = FilesIn(BackupFolder(FirstSerial));
        RunSeries([this](QWidget* dialog) {
            AskFor(dialog, 1, false);
            Find<QLineEdit>(dialog, "LogFile")->setText(QString::fromStdString(LogPath()));
        });

        EXPECT_EQ(saveQuestion, DisplayMessage({MessageId::SaveBeforeSeries}));
        const std::vector<std::string> log = Lines(ReadAll(LogPath()));
        ASSERT_EQ(log.size(), 2u);
        const std::vector<std::string> row = Columns(log[1]);
        ASSERT_GE(row.size(), 6u) << log[1];
        EXPECT_EQ(row[5], c.saved ? saveAnswer.toStdString() : "(unsaved)");
        if (c.saved) {
            EXPECT_EQ(ReadAllBytes(row[5]), BlockOf(Record()));
        }
        EXPECT_EQ(FilesIn(BackupFolder(FirstSerial)), backups + 1);
        window.reset();
        std::filesystem::remove(LogPath());
    }
}

// A code with a letter cannot be counted up: the series is refused before anything goes out.
TEST_F(SeriesWrite, AnIdThatIsNotDigitsIsRefusedBeforeTheSeries)
{
    StartWith(QuickRadio);
    SetCode(Record().PttId, Record().PttIdLength, "12A");
    const MemoryImage atStart = RadioProcess::MemoryAtStart(QuickRadio, MemoryImage{});

    RunSeries([this](QWidget* dialog) {
        AskFor(dialog, 2, true);
        AnswerNextNotice();
    });

    EXPECT_EQ(notice_, DisplayMessage(IdSeriesMessage(CheckIdSeries(Record(), 2), 2)));
    EXPECT_TRUE(outcomes.isEmpty());
    EXPECT_FALSE(Item("MenuSaveTransferLog")->isEnabled());
    EXPECT_TRUE(radio->StopAndReadMemory() == atStart);
}

// Two cables at once (the settings' search giving way to the ports named): the job numbers the
// radios as they come on either, so no two get the same codes; each port has its own line, and
// every radio is listed with its port and logged.
TEST_F(SeriesWrite, TwoPortsAtOnceGiveEveryRadioOfTheJobCodesOfItsOwn)
{
    StartOnTwoPorts(QuickRadioWith({"--next-radio", "20260505:second.bin", "--swap-silence", "500"}),
                    {"--no-pacing", "--serial", "20260601", "--band-limits", std::to_string(RadioBand.BandMin),
                     std::to_string(RadioBand.BandMax), "--next-radio", "20260602:second.bin", "--swap-silence",
                     "500"});
    SetCode(Record().PttId, Record().PttIdLength, "098");
    SetCode(Record().Ani, Record().AniLength, "0123");

    QStringList listed;
    RunSeries([&](QWidget* dialog) {
        AddPort(dialog, "COM2");
        AddPort(dialog, "COM1");
        auto* ports = Find<QListWidget>(dialog, "SeriesPorts");
        for (int row = 0; row < ports->count(); ++row)
            listed << ports->item(row)->text();
        AskFor(dialog, 4, true);
        Find<QLineEdit>(dialog, "LogFile")->setText(QString::fromStdString(LogPath()));
    });

    ASSERT_EQ(listed.size(), 2);
    const QString secondDevice = QString::fromStdString(secondCable->LinkPath());
    EXPECT_TRUE(listed[0].startsWith("COM2 (" + secondDevice)) << listed[0].toStdString();
    EXPECT_EQ(portLines, QStringList({"COM2 done", "COM1 done"}));
    EXPECT_EQ(status, DisplayMessage({MessageId::SeriesAllWritten, {"4"}}));
    ASSERT_EQ(outcomes.size(), 4);
    EXPECT_EQ(outcomes.filter(QRegularExpression("^COM1: Radio \\d \\(serial 2026050[45]\\): written$")).size(), 2);
    EXPECT_EQ(outcomes.filter(QRegularExpression("^COM2: Radio \\d \\(serial 2026060[12]\\): written$")).size(), 2);

    std::multiset<std::string> pttIds;
    for (RadioProcess* cable : {radio.get(), secondCable.get()}) {
        pttIds.insert(PttIdIn(cable->ReadMemory("second.bin")));
        pttIds.insert(PttIdIn(cable->StopAndReadMemory()));
    }
    const std::multiset<std::string> eachOnce{"098", "099", "100", "101"};
    EXPECT_EQ(pttIds, eachOnce);
    const std::vector<std::string> logged = LogColumn(Lines(ReadAll(LogPath())), "ptt_id");
    EXPECT_EQ(std::multiset<std::string>(logged.begin(), logged.end()), eachOnce);
}

// Checking only reads each radio and compares it with the record: the list says "same" or how
// many differences, as the log does, and no radio is written.
TEST_F(SeriesWrite, CheckOnlyListsEachRadioAsSameOrItsDifferencesAndWritesNone)
{
    RadioSettings master{};
    master.ResetToDefaults();
    master.SetChannelUsed(3, true);
    master.Channel[3].RxFreq = master.Channel[3].TxFreq = 438500000;
    RadioSettings other = master;
    other.Channel[3].RxFreq = 438512500;
    MemoryImage first{}, second{};
    GetDataForWrite(master, RadioBand, {}, first);
    GetDataForWrite(other, RadioBand, {}, second);
    StartWith(QuickRadioWith({"--next-radio", "20260505:second.bin", "--swap-silence", "500"}), &first);
    WriteAll(radio->FilePath("second.bin"), std::vector<uint8_t>(second.begin(), second.end()));
    Record() = master;

    RunSeries([this](QWidget* dialog) {
        AskFor(dialog, 2, true);
        Find<QCheckBox>(dialog, "SeriesCheckOnly")->setChecked(true);
        EXPECT_FALSE(Find<QCheckBox>(dialog, "IncreaseIds")->isEnabled());
        EXPECT_FALSE(Find<QCheckBox>(dialog, "VerifyAfterWrite")->isEnabled());
        Find<QLineEdit>(dialog, "LogFile")->setText(QString::fromStdString(LogPath()));
    });

    const std::vector<std::string> logged = LogColumn(Lines(ReadAll(LogPath())), "outcome");
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0], "same");
    const std::string differences = std::to_string(std::atoi(logged[1].c_str()));
    EXPECT_NE(differences, "0") << logged[1];
    EXPECT_EQ(outcomes, QStringList({DisplayMessage({MessageId::SeriesRadioSame, {"1", FirstSerial}}),
                                     DisplayMessage({MessageId::SeriesRadioDiffers, {"2", "20260505", differences}})}));
    EXPECT_EQ(status, DisplayMessage({MessageId::SeriesAllChecked, {"2"}}));
    EXPECT_TRUE(SameRange(radio->ReadMemory("second.bin"), second, NormalWriteSpan));
    EXPECT_TRUE(SameRange(radio->StopAndReadMemory(), first, NormalWriteSpan));
}

// The dialog's keys (Alt+S starts) each reach one control, in every language.
// A radio takes its serial's row; with rows required, a radio without one is let go and listed.
TEST_F(SeriesWrite, EachRadioTakesItsRowOfTheIdentityTable)
{
    StartWith(QuickRadioWith(TwoMoreRadios));
    const std::string ids = dir.File("ids.csv");
    WriteAll(ids, "serial,ptt_id\n" + FirstSerial + ",111\n20260506,333\n");
    exchangeAnswer = QString::fromStdString(ids);

    RunSeries([&](QWidget* dialog) {
        AskFor(dialog, 2, false);
        Find<QLineEdit>(dialog, "LogFile")->setText(QString::fromStdString(LogPath()));
        QTest::mouseClick(Find<QPushButton>(dialog, "BrowseIds"), Qt::LeftButton);
        Find<QCheckBox>(dialog, "SeriesIdsRequired")->setChecked(true);
    });

    ASSERT_EQ(exchangeAsked.size(), 1u);
    EXPECT_EQ(exchangeAsked[0].second, ExchangeFile::CsvToImport);
    EXPECT_EQ(outcomes.value(1), DisplayMessage({MessageId::SeriesNoIdentityRow, {"20260505"}}));
    const std::vector<std::string> log = Lines(ReadAll(LogPath()));
    EXPECT_EQ(LogColumn(log, "ptt_id"), (std::vector<std::string>{"111", "", "333"}));
    EXPECT_EQ(LogColumn(log, "ids_row"), (std::vector<std::string>{"2", "", "3"}));
    EXPECT_EQ(PttIdIn(radio->ReadMemory("third.bin")), "333");
}

TEST_F(SeriesWrite, EveryKeyOfTheDialogReachesOneControlInEveryLanguage)
{
    for (const char* language : {"0", "1", "2"}) {
        WriteSettingsFile(std::string("[config]\nLanguage=") + language + "\n");
        StartWindow();
        QStringList keys;
        ModalDriver::OnNextModal([&keys](QWidget* dialog) {
            keys << Find<QPushButton>(dialog, "SeriesStart")->shortcut().toString();
            QStringList captions;
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                captions << button->text();
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                captions << label->text();
            for (const QString& caption : captions)
                if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
                    keys << key.toString();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        Trigger("MenuEdit_WriteSeveral");
        EXPECT_EQ(keys.size(), 5) << language;
        EXPECT_EQ(keys.removeDuplicates(), 0) << language << ": " << keys.join(' ').toStdString();
        window.reset();
    }
}

}
