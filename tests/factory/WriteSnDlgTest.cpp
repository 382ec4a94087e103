#include <gtest/gtest.h>

#include <functional>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ModalDriver.h"
#include "WidgetDriving.h"
#include "calibration/SerialNumber.h"
#include "factory/DigitEdit.h"
#include "factory/UpDownArrows.h"
#include "factory/WriteSnDlg.h"
#include "lang/AppLang.h"
#include "link/engine/TransferTargets.h"

namespace {


class SerialNumberDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyLanguageSetting(LanguageSetting::English);
        ASSERT_TRUE(ShowActive(dialog));
    }

    std::string HeldNumber() { return SnText(objects.Settings.DeviceSn); }
    void ClickArrow(bool up) { QTest::mouseClick(up ? dialog.udSn->UpArrow : dialog.udSn->DownArrow, Qt::LeftButton); }

    StrayModalGuard guard;
    // Set before the dialog opens, so that clearing it on opening shows.
    TransferTargets objects = [] {
        TransferTargets o;
        SetSnText(o.Settings.DeviceSn, "12345678");
        return o;
    }();
    TWriteSnDlg dialog{objects.Context(TransferKind::SerialNumber, false), nullptr};
};

TEST_F(SerialNumberDialog, OpeningDiscardsTheNumberHeldBefore)
{
    EXPECT_TRUE(dialog.eSn->text().isEmpty());
    EXPECT_EQ(HeldNumber(), "");
    EXPECT_TRUE(std::all_of(std::begin(objects.Settings.DeviceSn), std::end(objects.Settings.DeviceSn),
                            [](uint8_t b) { return b == 0; }));
    EXPECT_FALSE(dialog.OKBtn->isVisible());
    EXPECT_FALSE(dialog.CancelBtn->isVisible());
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Read"));
    EXPECT_EQ(dialog.Button2->text(), QStringLiteral("Write"));
}

TEST_F(SerialNumberDialog, ArrowsCommitTheTypedNumberAndStepIt)
{
    const struct {
        const char* typed;
        bool up;
        const char* shown;
    } cases[] = {
        {"129", true, "130"},           {"100", false, "099"},          {"99999999", true, "00000000"},
        {"00000000", false, "99999999"}, {"", true, ""},                {"", false, ""},
        {"00000199", true, "00000200"},
    };
    for (const auto& c : cases) {
        Retype(dialog.eSn, QString::fromLatin1(c.typed));
        ClickArrow(c.up);
        EXPECT_EQ(dialog.eSn->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(HeldNumber(), c.shown) << c.typed;
    }
}

TEST_F(SerialNumberDialog, TakesOnlyDigitsAndAtMostEight)
{
    RetypeAndLeave(dialog.eSn, QStringLiteral("12a-3 4.56789"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("12345678"));
    EXPECT_EQ(HeldNumber(), "12345678");
}

TEST_F(SerialNumberDialog, LeavingTheBoxCommitsTheNumber)
{
    RetypeAndLeave(dialog.eSn, QStringLiteral("42"));
    const uint8_t expected[DeviceSnSize] = {'4', '2', 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), objects.Settings.DeviceSn));
}

// Leaving the box and both arrows commit the text; a pasted non-number is refused each way, and
// the arrows step nothing after the refusal.
TEST_F(SerialNumberDialog, APastedNonNumberIsRefusedWithANotice)
{
    const std::function<void()> commits[] = {
        [this] { Leave(dialog.eSn); },
        [this] { ClickArrow(true); },
        [this] { ClickArrow(false); },
    };
    for (size_t i = 0; i < std::size(commits); ++i) {
        RetypeAndLeave(dialog.eSn, QStringLiteral("777"));
        Paste(dialog.eSn, QStringLiteral("7A7"));
        QString notice;
        AnswerNextNotice(notice);
        commits[i]();
        ASSERT_TRUE(WaitFor([&] { return !notice.isEmpty(); })) << i;
        EXPECT_EQ(HeldNumber(), "777") << i;
        EXPECT_EQ(dialog.eSn->text(), QStringLiteral("777")) << i;
    }
}

TEST_F(SerialNumberDialog, EnterInTheBoxStartsNoTransfer)
{
    constexpr int ModalWatchMs = 100;
    QString opened;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        opened = QString::fromLatin1(modal->metaObject()->className());
        modal->close();
    }, ModalWatchMs);
    Retype(dialog.eSn, QStringLiteral("42"));
    QTest::keyClick(dialog.eSn, Qt::Key_Return);
    EXPECT_TRUE(opened.isEmpty()) << "Enter opened " << opened.toStdString();
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("42"));
    QTest::qWait(2 * ModalWatchMs);
}

TEST_F(SerialNumberDialog, ReadAndWriteOpenTheTransferWithTheirCaptions)
{
    for (QPushButton* button : {dialog.Button1, dialog.Button2}) {
        QString caption;
        ModalDriver::OnNextModal([&](QWidget* transfer) {
            caption = transfer->windowTitle();
            transfer->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        });
        Retype(dialog.eSn, QStringLiteral("5"));
        button->click();
        EXPECT_EQ(caption, button == dialog.Button1 ? QStringLiteral("Read from radio") : QStringLiteral("Write to radio"));
        EXPECT_EQ(HeldNumber(), "5") << "a cancelled transfer steps nothing";
    }
}

}
