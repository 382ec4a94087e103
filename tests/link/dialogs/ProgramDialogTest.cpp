#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ModalDriver.h"
#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "RandomRecord.h"
#include "TransferHarness.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/SerialLink.h"
#include "link/dialogs/ModalResult.h"
#include "link/dialogs/ProgramDialog.h"

namespace {

constexpr int RadioPort = 3;
constexpr int TransferWaitMs = 30000;

QString DialogText(int entry) { return DisplayText(ProgramDialogText(entry)); }

QPushButton* Button(QWidget* widget, const char* name) { return widget->findChild<QPushButton*>(name); }

// What the user saw while a transfer ran in the dialog.
struct Seen {
    int result = -1;
    bool startDisabledAfterStart = false;
    QString notice;
    int modals = 0;
};

// The transfer dialog with the radio pinned as COM3, its record, and the user's hands.
class ProgramDialogTest : public testing::Test {
protected:
    void UseRadioOn(const std::string& path)
    {
        objects.Link = LinkSettings{RadioPort, false};
        objects.Link.Ports.Pinned = {{RadioPort, path}};
    }

    // Presses Start, lets `onModal` answer the first window the transfer opens, and closes any
    // later notice with OK.
    Seen StartAndAnswer(TProgramDialog& dialog, std::function<void(QWidget*)> onModal)
    {
        Seen seen;
        // A transfer that never ends must not hang the suite.
        QTimer::singleShot(2 * TransferWaitMs, &dialog, [&] { dialog.done(-1); });
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(Button(&dialog, "ProgramStart"), Qt::LeftButton);
            seen.startDisabledAfterStart = !Button(&dialog, "ProgramStart")->isEnabled();
            ModalDriver::OnNextModal([&](QWidget* modal) {
                ++seen.modals;
                if (auto* label = modal->findChild<QLabel*>("WarnDlgText"))
                    seen.notice = label->text();
                onModal(modal);
            }, TransferWaitMs);
        });
        seen.result = dialog.exec();
        return seen;
    }

    static void Ok(QWidget* modal) { QTest::mouseClick(Button(modal, "OKBtn"), Qt::LeftButton); }

    TransferObjects objects;
};

TEST_F(ProgramDialogTest, ComesUpIdleWithItsParts)
{
    TProgramDialog dialog(objects.Context(true), nullptr);
    EXPECT_FALSE(Button(&dialog, "OKBtn")->isVisibleTo(&dialog));
    EXPECT_EQ(Button(&dialog, "CancelBtn")->text(), DialogText(1));
    EXPECT_EQ(Button(&dialog, "ProgramStart")->text(), DialogText(0));
    EXPECT_NE(dialog.findChild<QFrame*>("Bevel1"), nullptr);
    auto* bar = dialog.findChild<QProgressBar*>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    auto* tx = dialog.findChild<QTimer*>("Timer_Tx");
    auto* timeOut = dialog.findChild<QTimer*>("Timer_TimeOut");
    ASSERT_NE(tx, nullptr);
    ASSERT_NE(timeOut, nullptr);
    EXPECT_FALSE(tx->isActive());
    EXPECT_FALSE(timeOut->isActive());
    EXPECT_EQ(timeOut->interval(), 5000);
}

TEST_F(ProgramDialogTest, CancelBeforeStartSendsNothing)
{
    PseudoTerminal port;
    UseRadioOn(port.SlavePath());
    TProgramDialog dialog(objects.Context(true), nullptr);
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(Button(&dialog, "CancelBtn"), Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), ModalResultCancel);
    EXPECT_TRUE(port.Receive(50).empty());
}

TEST_F(ProgramDialogTest, AReadShowsSuccessThenFillsTheRecordThenRefreshes)
{
    const MemoryImage memory = PackedImage(RandomRecord(8), RadioBand, TransferObjects::Now);
    RadioProcess radio(QuickRadio, &memory);
    UseRadioOn(radio.LinkPath());
    objects.Band = BandLimits{136000000, 174000000};
    bool bandAtNotice = true;
    std::vector<BandLimits> bandsAtRefresh;
    TProgramDialog dialog(objects.Context(true), nullptr);
    QObject::connect(&dialog, &TProgramDialog::transferSucceeded, [&] { bandsAtRefresh.push_back(objects.Band); });

    const Seen seen = StartAndAnswer(dialog, [&](QWidget* modal) {
        bandAtNotice = objects.Band == BandLimits{136000000, 174000000} && bandsAtRefresh.empty();
        Ok(modal);
    });
    EXPECT_TRUE(seen.startDisabledAfterStart);
    EXPECT_EQ(seen.notice, DialogText(3));
    EXPECT_TRUE(bandAtNotice) << "the record changed before the notice was closed";
    EXPECT_EQ(bandsAtRefresh, (std::vector<BandLimits>{RadioBand}));
    EXPECT_EQ(dialog.findChild<QProgressBar*>("ProgressBar1")->value(), 100);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(SameRange(PackedImage(objects.Settings, RadioBand, TransferObjects::Now), memory, ImageWriteEnd));
}

struct NoticeCase {
    const char* name;
    RadioArgs radio;
    const char* recordPassword;
    int noticeEntry;
    MessageId advice;  // the last line: what to do next
};

class DialogNotice : public ProgramDialogTest, public testing::WithParamInterface<NoticeCase> {};

TEST_P(DialogNotice, ShowsTheOutcomeAndLeavesTheRecordAlone)
{
    const NoticeCase& c = GetParam();
    RadioProcess radio(QuickRadioWith(c.radio));
    UseRadioOn(radio.LinkPath());
    objects.Settings = RandomRecord(12);
    std::memset(objects.Settings.Password, 0, sizeof objects.Settings.Password);
    std::memcpy(objects.Settings.Password, c.recordPassword, std::strlen(c.recordPassword));
    const RadioSettings before = objects.Settings;
    bool refreshed = false;
    TProgramDialog dialog(objects.Context(true), nullptr);
    QObject::connect(&dialog, &TProgramDialog::transferSucceeded, [&] { refreshed = true; });

    const Seen seen = StartAndAnswer(dialog, Ok);
    EXPECT_TRUE(seen.notice.startsWith(DialogText(c.noticeEntry) + "\n")) << seen.notice.toStdString();
    EXPECT_TRUE(seen.notice.endsWith("\n" + DisplayMessage({c.advice}))) << seen.notice.toStdString();
    EXPECT_FALSE(refreshed);
    EXPECT_TRUE(SameApartFromHandshake(objects.Settings, before));
}

const NoticeCase NoticeCases[] = {
    {"PasswordError", {"--password", "kr27"}, "kr28", 4, MessageId::AdvicePassword},
    {"CommunicationFailure", {"--foreign-ident"}, "", 2, MessageId::AdviceCheckLink},
};

INSTANTIATE_TEST_SUITE_P(Link, DialogNotice, testing::ValuesIn(NoticeCases),
                         [](const testing::TestParamInfo<NoticeCase>& info) { return info.param.name; });

TEST_F(ProgramDialogTest, FailuresSayWhyAndTheHandshakeSaysWhatItDoes)
{
    const QString failed = DialogText(CommunicationFalseText);
    {
        RadioProcess radio(QuickRadioWith({"--password", "kr27"}));
        UseRadioOn(radio.LinkPath());
        TProgramDialog dialog(objects.Context(true), nullptr);
        QString status;
        StartAndAnswer(dialog, [&](QWidget* modal) {
            status = dialog.findChild<QLabel*>("StatusText")->text();
            Ok(modal);
        });
        EXPECT_EQ(status, DisplayMessage({MessageId::CheckingPassword}));
    }
    {
        RadioProcess radio(QuickRadioWith({"--nak-block", "5"}));
        UseRadioOn(radio.LinkPath());
        objects.Band = RadioBand;
        TProgramDialog dialog(objects.Context(false), nullptr);
        const Seen seen = StartAndAnswer(dialog, Ok);
        const QString tried = DisplayMessage({MessageId::PortsTried, {"COM3 (" + radio.LinkPath() + ")"}});
        EXPECT_EQ(seen.notice.toStdString(), QStringList({failed, DisplayMessage({MessageId::PartlyWritten}), tried,
                                                          DisplayMessage({MessageId::AdviceCheckLinkOnly})})
                                                 .join('\n')
                                                 .toStdString());
    }
    {
        PseudoTerminal pty;
        SerialLink otherProgram;
        ASSERT_TRUE(otherProgram.Open(pty.SlavePath()).ok);
        UseRadioOn(pty.SlavePath());
        TProgramDialog dialog(objects.Context(true), nullptr);
        const Seen seen = StartAndAnswer(dialog, Ok);
        EXPECT_TRUE(seen.notice.startsWith(failed + "\n")) << seen.notice.toStdString();
        EXPECT_TRUE(seen.notice.contains("busy")) << seen.notice.toStdString();
    }
}

// The end byte was the last frame the transfer sent.
bool EndedWithTheEndByte(const TransferTrace& trace)
{
    std::string lastSent;
    for (const std::string& line : trace.Lines())
        if (line.find(" > ") != std::string::npos)
            lastSent = line;
    return lastSent.size() > 3 && lastSent.compare(lastSent.size() - 3, 3, " 45") == 0;
}

// The keyboard user's F5, Enter: the dialog opens on Start, which Enter and Alt+S press. Escape
// then stops the transfer still looking for its radio, and the radio is told the session is over.
TEST_F(ProgramDialogTest, EnterOrAltSStartsAndEscapeStopsTheSearch)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } starts[] = {{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_S, Qt::AltModifier}};
    for (const auto& start : starts) {
        PseudoTerminal port;
        UseRadioOn(port.SlavePath());
        TProgramDialog dialog(objects.Context(true), nullptr);
        bool started = false;
        QTimer::singleShot(0, &dialog, [&] {
            // Alt+S is a shortcut, which only the active window takes.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(&dialog, start.key, start.modifiers);
            QTimer::singleShot(1500, &dialog, [&] {
                started = !Button(&dialog, "ProgramStart")->isEnabled();
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
        });
        EXPECT_EQ(dialog.focusWidget(), Button(&dialog, "ProgramStart"));
        EXPECT_TRUE(Button(&dialog, "ProgramStart")->isDefault());
        EXPECT_EQ(dialog.exec(), ModalResultCancel);
        EXPECT_TRUE(started) << start.key;
        EXPECT_TRUE(EndedWithTheEndByte(dialog.Trace())) << start.key;
    }
}

struct CancelCase {
    const char* name;
    bool isRead;
    bool stops;  // when pressed while the blocks move
};

class DialogCancel : public ProgramDialogTest, public testing::WithParamInterface<CancelCase> {};

// Cancel stops a read among its blocks and leaves the record as it was; a write's blocks, once
// they move, run to the end with Cancel out of reach.
TEST_P(DialogCancel, StopsWhereTheRadioIsLeftAsItWas)
{
    const CancelCase& c = GetParam();
    RadioProcess radio(QuickRadio);
    UseRadioOn(radio.LinkPath());
    objects.Settings = RandomRecord(15);
    std::memset(objects.Settings.Password, 0, sizeof objects.Settings.Password);
    objects.Band = RadioBand;
    const RadioSettings before = objects.Settings;
    TProgramDialog dialog(objects.Context(c.isRead), nullptr);
    bool cancelOffered = true;
    bool pressed = false;
    QObject::connect(dialog.findChild<QProgressBar*>("ProgressBar1"), &QProgressBar::valueChanged, &dialog,
                     [&](int value) {
                         if (pressed || value < 10)
                             return;
                         pressed = true;
                         cancelOffered = Button(&dialog, "CancelBtn")->isEnabled();
                         QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
                     });
    QString notice;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(Button(&dialog, "ProgramStart"), Qt::LeftButton);
        // A stopped transfer shows nothing, and no watcher may outlive this test.
        if (!c.stops)
            ModalDriver::OnNextModal([&](QWidget* modal) {
                notice = modal->findChild<QLabel*>("WarnDlgText")->text();
                Ok(modal);
            }, TransferWaitMs);
    });
    QTimer::singleShot(2 * TransferWaitMs, &dialog, [&] { dialog.done(-1); });
    const int result = dialog.exec();

    ASSERT_TRUE(pressed);
    EXPECT_EQ(cancelOffered, c.stops);
    EXPECT_EQ(result, c.stops ? ModalResultCancel : ModalResultOk);
    EXPECT_EQ(notice, c.stops ? QString() : DialogText(SuccessText));
    if (c.stops) {
        EXPECT_EQ(std::memcmp(&objects.Settings, &before, sizeof before), 0) << "the handshake's fields too";
        EXPECT_TRUE(EndedWithTheEndByte(dialog.Trace()));
    }
}

const CancelCase CancelCases[] = {
    {"Read", true, true},
    {"Write", false, false},
};

INSTANTIATE_TEST_SUITE_P(Link, DialogCancel, testing::ValuesIn(CancelCases),
                         [](const testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

TEST_F(ProgramDialogTest, CancelAtTheBandQuestionClosesQuietly)
{
    const MemoryImage before = RadioProcess::MemoryAtStart(QuickRadio, MemoryImage{});
    RadioProcess radio(QuickRadio, &before);
    UseRadioOn(radio.LinkPath());
    objects.Band = BandLimits{136000000, 174000000};
    TProgramDialog dialog(objects.Context(false), nullptr);
    QString question, goOn, stop;

    const Seen seen = StartAndAnswer(dialog, [&](QWidget* modal) {
        question = modal->findChild<QLabel*>("Label1")->text();
        goOn = Button(modal, "OKBtn")->text();
        stop = Button(modal, "CancelBtn")->text();
        QTest::mouseClick(Button(modal, "CancelBtn"), Qt::LeftButton);
    });
    EXPECT_EQ(question, DialogText(5));
    EXPECT_EQ(goOn, DialogText(6));
    EXPECT_EQ(stop, DialogText(1));
    EXPECT_EQ(seen.modals, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(SameRange(radio.StopAndReadMemory(), before, MemoryImageSize));
}

TEST_F(ProgramDialogTest, ContinueAtTheBandQuestionWritesAndShowsSuccess)
{
    RadioProcess radio(QuickRadio);
    UseRadioOn(radio.LinkPath());
    objects.Settings = RandomRecord(13);
    objects.Band = BandLimits{136000000, 174000000};
    TProgramDialog dialog(objects.Context(false), nullptr);
    QString notice;

    StartAndAnswer(dialog, [&](QWidget* question) {
        Ok(question);
        ModalDriver::OnNextModal([&](QWidget* modal) {
            notice = modal->findChild<QLabel*>("WarnDlgText")->text();
            Ok(modal);
        }, TransferWaitMs);
    });
    EXPECT_EQ(notice, DialogText(3));
    EXPECT_TRUE(SameRange(radio.StopAndReadMemory(), objects.Image, NormalWriteSpan));
}

}

namespace {

struct VerifyCase {
    const char* name;
    RadioArgs radio;
    std::vector<MessageArg> mismatch;  // first differing address and count; empty: the success notice
    int result;
};

class DialogVerify : public ProgramDialogTest, public testing::WithParamInterface<VerifyCase> {};

// The read back runs into objects of its own: the record keeps what was written.
TEST_P(DialogVerify, ReadsBackAndNamesTheFirstDifference)
{
    const VerifyCase& c = GetParam();
    RadioProcess radio(QuickRadioWith(c.radio));
    UseRadioOn(radio.LinkPath());
    objects.Settings = RandomRecord(14);
    std::memset(objects.Settings.Password, 0, sizeof objects.Settings.Password);
    objects.Band = RadioBand;
    TProgramDialog dialog(objects.Context(false), nullptr);
    auto* box = dialog.findChild<QCheckBox*>("VerifyAfterWrite");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisibleTo(&dialog));
    EXPECT_FALSE(box->isChecked());
    dialog.SetVerifyAfterWrite(true);
    const RadioSettings written = objects.Settings;

    const Seen seen = StartAndAnswer(dialog, Ok);
    const QString expected = c.mismatch.empty()
                                 ? DialogText(SuccessText) + "\n" + DisplayMessage({MessageId::VerifiedWrite})
                                 : DisplayMessage({MessageId::VerifyMismatch, c.mismatch});
    EXPECT_EQ(seen.notice, expected);
    EXPECT_EQ(seen.result, c.result);
    EXPECT_EQ(seen.modals, 1);
    EXPECT_TRUE(SameApartFromHandshake(objects.Settings, written));
    int requests = 0;
    const TransferTrace trace = dialog.Trace();
    for (const std::string& line : trace.Lines())
        requests += line.find("> 52") != std::string::npos;
    EXPECT_GT(requests, 0) << "no read followed the write";
}

const VerifyCase VerifyCases[] = {
    {"AGoodRadio", {}, {}, ModalResultOk},
    {"OneByteStoredWrong", {"--wrong-byte", std::to_string(0x4123)}, {"0x4123", "1"}, ModalResultCancel},
};

INSTANTIATE_TEST_SUITE_P(Link, DialogVerify, testing::ValuesIn(VerifyCases),
                         [](const testing::TestParamInfo<VerifyCase>& info) { return info.param.name; });

TEST_F(ProgramDialogTest, OnlyANormalWriteOffersToVerify)
{
    TProgramDialog read(objects.Context(true), nullptr);
    EXPECT_FALSE(read.findChild<QCheckBox*>("VerifyAfterWrite")->isVisibleTo(&read));
}

}
