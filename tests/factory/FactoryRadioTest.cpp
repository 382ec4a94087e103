#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include <QLineEdit>
#include <QPushButton>

#include "ModalDriver.h"
#include "link/TransferTargets.h"
#include "RadioProcess.h"
#include "WidgetDriving.h"
#include "factory/AdjustmentBlock.h"
#include "factory/AdjustmentDlg.h"
#include "factory/DigitEdit.h"
#include "factory/SerialNumber.h"
#include "factory/WriteSnDlg.h"
#include "lang/AppLang.h"

namespace {

constexpr int TransferWaitMs = 30000;
constexpr size_t CalibrationImageOffset = AdjustmentBlockAddress - MemoryImageBaseAddress;
constexpr size_t SerialNumberImageOffset = 0x430C - MemoryImageBaseAddress;

// The factory dialogs against the virtual radio, reached as COM1.
class FactoryRadio : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyLanguageSetting(LanguageSetting::English);
        objects.Link.PortNumber = 1;
        objects.Link.AutoSearchPort = false;
        objects.Link.Ports.Pinned = {{1, radio.LinkPath()}};
    }

    // Clicks `button`, starts the transfer it opens and returns the notice it ended with.
    QString Transfer(QPushButton* button)
    {
        QString outcome;
        StartNextTransfer(outcome);
        button->click();
        EXPECT_TRUE(WaitFor([&] { return !outcome.isEmpty(); }, TransferWaitMs));
        return outcome;
    }

    TransferTargets objects;
    AdjustmentData calibration{};
    RadioProcess radio{{"--no-pacing", "--serial", "31415926"}};
};

AdjustmentData RandomCalibration(uint32_t seed)
{
    std::mt19937 rng(seed);
    AdjustmentData record{};
    for (size_t i = 0; i < AdjustmentBlockSize; ++i)
        record.Bytes()[i] = uint8_t(rng());
    return record;
}

TEST_F(FactoryRadio, CalibrationWrittenByTheDialogReadsBackIdenticallyAndLiesInTheBlockLayout)
{
    TAdjustmentDlg dialog(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    calibration = RandomCalibration(27);
    dialog.RefreshFields();
    RetypeAndLeave(dialog.findChild<QLineEdit*>(QStringLiteral("eFreq_0")), QStringLiteral("438.5"));
    const AdjustmentData expected = calibration;
    ASSERT_EQ(expected.Point[0].Freq, 438500000u);

    EXPECT_EQ(Transfer(dialog.bWrite), QStringLiteral("SUCCESS"));

    ModalDriver::ClickOnNextModal("OKBtn");
    dialog.bNew->click();
    ASSERT_EQ(calibration.Point[0].Freq, 0u);
    EXPECT_EQ(Transfer(dialog.bRead), QStringLiteral("SUCCESS"));
    EXPECT_EQ(std::memcmp(calibration.Bytes(), expected.Bytes(), AdjustmentBlockSize), 0);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("eFreq_0"))->text(), QStringLiteral("438.50000"));

    TransferBuffer block{};
    GetAdjustmentData(expected, block);
    const MemoryImage memory = radio.StopAndReadMemory();
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + AdjustmentBlockSize, memory.begin() + CalibrationImageOffset));
    const uint8_t firstPoint[] = {0x1A, 0x22, 0xFA, 0xA0};
    EXPECT_TRUE(std::equal(std::begin(firstPoint), std::end(firstPoint), memory.begin() + CalibrationImageOffset));
}

TEST_F(FactoryRadio, SerialNumberIsWrittenThenSteppedAndReadBack)
{
    TWriteSnDlg dialog(objects.Context(TransferKind::SerialNumber, false), nullptr);
    ASSERT_TRUE(ShowActive(dialog));

    EXPECT_EQ(Transfer(dialog.Button1), QStringLiteral("SUCCESS"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("31415926"));

    Retype(dialog.eSn, QStringLiteral("00000199"));
    EXPECT_EQ(Transfer(dialog.Button2), QStringLiteral("SUCCESS"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("00000200"));

    EXPECT_EQ(Transfer(dialog.Button1), QStringLiteral("SUCCESS"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("00000199"));

    Retype(dialog.eSn, QStringLiteral("42"));
    EXPECT_EQ(Transfer(dialog.Button2), QStringLiteral("SUCCESS"));
    const MemoryImage memory = radio.StopAndReadMemory();
    const uint8_t expected[DeviceSnSize] = {0x34, 0x32, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), memory.begin() + SerialNumberImageOffset));
}

}
