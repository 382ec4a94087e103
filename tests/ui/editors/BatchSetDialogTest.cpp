#include <gtest/gtest.h>

#include <functional>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EditorWindow.h"
#include "ModalDriver.h"
#include "model/Tone.h"
#include "ui/editors/EditorPages.h"

namespace {

// What the user does inside the dialog before pressing a button.
struct BatchInput {
    const char* rx = nullptr;
    const char* tx = nullptr;
    const char* step = nullptr;
    int startIndex = 0;
    int endIndex = 0;
    int decodeIndex = 0;
};

// Focus changes reach the boxes only once the dialog is the active window.
void OnBatchDialog(std::function<void(QDialog*)> act)
{
    ModalDriver::OnNextModal([act](QWidget* modal) {
        modal->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([modal] { return modal->isActiveWindow(); }));
        act(static_cast<QDialog*>(modal));
    });
}

class BatchSetDialog : public ::testing::Test {
protected:
    void SetUp() override { window.ShowActive(); }

    static void Type(QDialog* dialog, const char* name, const char* text)
    {
        if (!text)
            return;
        auto* box = dialog->findChild<QLineEdit*>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    // Runs the dialog, fills it in and presses `button`; returns the texts the boxes showed last.
    void Run(const BatchInput& input, const char* button = "OKBtn")
    {
        OnBatchDialog([this, input, button](QDialog* dialog) {
            Type(dialog, "eChBatchFreqRx", input.rx);
            Type(dialog, "eChBatchFreqTx", input.tx);
            Type(dialog, "eStep", input.step);
            ChooseItem(dialog->findChild<QComboBox*>("cbStartCh"), input.startIndex);
            ChooseItem(dialog->findChild<QComboBox*>("cbEndCh"), input.endIndex);
            auto* decode = dialog->findChild<QComboBox*>("cbChBatchSubDe");
            decode->setCurrentIndex(input.decodeIndex);
            shownStep = dialog->findChild<QLineEdit*>("eStep")->text();
            ClickOn(dialog->findChild<QPushButton*>(button));
        });
        RunChannelBatchSet(window.settings, window.band, [this] { ++refreshes; }, &window);
    }

    uint32_t Rx(int channel) const { return window.settings.Channel[channel].RxFreq; }
    uint32_t Tx(int channel) const { return window.settings.Channel[channel].TxFreq; }

    EditorWindow window;
    int refreshes = 0;
    QString shownStep;
};

TEST_F(BatchSetDialog, ShowsItsControlsWithTheirChoices)
{
    OnBatchDialog([](QDialog* modal) {
        EXPECT_EQ(modal->objectName(), "TChBatchSetDlg");
        EXPECT_EQ(modal->findChild<QLineEdit*>("eChBatchFreqRx")->text(), "400.00000");
        EXPECT_EQ(modal->findChild<QLineEdit*>("eStep")->text(), "0");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchSubDe")->count(), 1075);
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchSubEn")->itemText(51), "D000N");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchSubEn")->itemText(1074), "D777I");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchPower")->currentText(), "High");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchBandwidth")->currentText(), "Wide");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchSCN")->currentText(), "ADD");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchBUS")->currentText(), "OFF");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbChBatchBUS")->itemText(1), "DQT");
        EXPECT_EQ(modal->findChild<QComboBox*>("cbEndCh")->count(), 16);
        EXPECT_EQ(modal->findChild<QPushButton*>("CancelBtn")->text(), "Cannel");
        ClickOn(modal->findChild<QPushButton*>("CancelBtn"));
    });
    RunChannelBatchSet(window.settings, window.band, [this] { ++refreshes; }, &window);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(BatchSetDialog, FillsSixteenChannelsWithAStepOfTwelveAndAHalfKilohertz)
{
    BatchInput input;
    input.rx = "430.00000";
    input.tx = "430.00000";
    input.step = "0.0125";
    input.endIndex = 15;
    Run(input);
    EXPECT_EQ(shownStep, "000.01250");
    EXPECT_EQ(Rx(1), 430000000u);
    EXPECT_EQ(Tx(2), 430012500u);
    EXPECT_EQ(Rx(16), 430187500u);
    EXPECT_EQ(Tx(16), 430187500u);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(BatchSetDialog, TheStepIsSnappedToTheRaster)
{
    const struct {
        const char* step;
        uint32_t perChannel;
    } cases[] = {{"0.005", 5000}, {"0.007", 6250}, {"12", 0}, {"0.0125", 12500}};
    for (const auto& c : cases) {
        BatchInput input;
        input.rx = "430";
        input.tx = "430";
        input.step = c.step;
        input.endIndex = 1;
        Run(input);
        EXPECT_EQ(Rx(2) - Rx(1), c.perChannel) << c.step;
    }
}

TEST_F(BatchSetDialog, LeavingTheStepBoxShowsTheSnappedStep)
{
    OnBatchDialog([](QDialog* modal) {
        Type(modal, "eStep", "0.0125");
        modal->findChild<QLineEdit*>("eChBatchFreqRx")->setFocus();
        EXPECT_EQ(modal->findChild<QLineEdit*>("eStep")->text(), "000.01250");
        Type(modal, "eChBatchFreqRx", "43.5");
        EXPECT_EQ(modal->findChild<QLineEdit*>("eChBatchFreqRx")->text(), "435") << "a point only as fourth character";
        ClickOn(modal->findChild<QPushButton*>("CancelBtn"));
    });
    RunChannelBatchSet(window.settings, window.band, {}, &window);
}

TEST_F(BatchSetDialog, FrequenciesPastTheTopOfTheBandStayAtTheTop)
{
    BatchInput input;
    input.rx = "465";
    input.step = "1";
    input.endIndex = 15;
    Run(input);
    EXPECT_EQ(Rx(5), 469000000u);
    for (int channel = 6; channel <= 16; ++channel)
        EXPECT_EQ(Rx(channel), 470000000u) << channel;
}

TEST_F(BatchSetDialog, AStartAfterTheEndChangesNothingAndRefreshesNothing)
{
    const RadioSettings before = window.settings;
    BatchInput input;
    input.rx = "430";
    input.startIndex = 4;
    input.endIndex = 2;
    Run(input);
    EXPECT_EQ(std::memcmp(&before, &window.settings, sizeof before), 0);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(BatchSetDialog, TheChosenDecodeToneIsParsedFromItsText)
{
    const struct {
        int index;
        ToneType type;
        uint16_t code;
    } cases[] = {{0, ToneNone, ToneCodeOff}, {51 + 023, ToneDcsNormal, 0x2813}, {51 + 512, ToneDcsInverted, 0x2800}};
    for (const auto& c : cases) {
        BatchInput input;
        input.decodeIndex = c.index;
        Run(input);
        EXPECT_EQ(window.settings.Channel[1].DecType, c.type) << c.index;
        EXPECT_EQ(uint16_t(window.settings.Channel[1].DecCode), c.code) << c.index;
    }
}

TEST_F(BatchSetDialog, CancelChangesNothing)
{
    const RadioSettings before = window.settings;
    BatchInput input;
    input.rx = "430";
    input.endIndex = 15;
    Run(input, "CancelBtn");
    EXPECT_EQ(std::memcmp(&before, &window.settings, sizeof before), 0);
    EXPECT_EQ(refreshes, 0);
}

}
