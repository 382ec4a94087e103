#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "SimulatedDriver.h"
#include "model/Password.h"

namespace {

class FactoryTransfer : public LinkEngineTest {
protected:
    Bytes Sn() const { return Bytes(fx.settings.DeviceSn, fx.settings.DeviceSn + 8); }
};

TEST_F(FactoryTransfer, AdjustmentWriteSendsFivePiecesOfTheBuffer)
{
    std::iota(fx.buffer.begin(), fx.buffer.end(), uint8_t(1));
    SimulatedDriver driver(fx.Context(TransferKind::Adjustment, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(radio.BlockAddresses('W'), (std::vector<uint16_t>{0x4370, 0x4380, 0x4390, 0x43A0, 0x43B0}));
    EXPECT_EQ(radio.MemoryRange(0x4370, 80), Bytes(fx.buffer.begin(), fx.buffer.end()));
    EXPECT_EQ(radio.Received().back(), Bytes{'E'});
}

TEST_F(FactoryTransfer, BytesAfterTheCalibrationBlockTravelBackAsRead)
{
    for (unsigned a = 0x4370; a < 0x43C0; ++a)
        *radio.At(uint16_t(a)) = uint8_t(a);
    const Bytes tail = radio.MemoryRange(0x43B2, 14);
    SimulatedDriver reader(fx.Context(TransferKind::Adjustment, true), {&radio});
    ASSERT_EQ(reader.Run(false), LinkOutcome::Success);
    EXPECT_EQ(radio.BlockAddresses('R'), (std::vector<uint16_t>{0x4370, 0x4380, 0x4390, 0x43A0, 0x43B0}));

    std::fill(fx.buffer.begin(), fx.buffer.begin() + 66, uint8_t(0xEE));
    SimulatedRadio target;
    SimulatedDriver writer(fx.Context(TransferKind::Adjustment, false), {&target});
    ASSERT_EQ(writer.Run(false), LinkOutcome::Success);

    EXPECT_EQ(target.MemoryRange(0x4370, 66), Bytes(66, 0xEE));
    EXPECT_EQ(target.MemoryRange(0x43B2, 14), tail);
}

TEST_F(FactoryTransfer, AdjustmentProgressFillsTheBarEarly)
{
    SimulatedDriver driver(fx.Context(TransferKind::Adjustment, false), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    // Ident, then one value per piece sent, then the end.
    EXPECT_EQ(driver.progress, (std::vector<int>{1, 21, 71, 100, 100, 100, 100}));
}

TEST_F(FactoryTransfer, SerialNumberWriteSendsTheEnteredNumber)
{
    radio.memory.SetSerialNumber("99999999");
    std::memcpy(fx.settings.DeviceSn, "42\0\0\0\0\0\0", 8);
    SimulatedDriver driver(fx.Context(TransferKind::SerialNumber, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);
    driver.engine.ApplyResult();

    EXPECT_EQ(radio.BlockAddresses('W'), std::vector<uint16_t>{0x430C});
    EXPECT_EQ(radio.MemoryRange(0x430C, 8), Bytes({0x34, 0x32, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(radio.CountStartingWith('W'), 1u);
    EXPECT_EQ(Sn(), Bytes({'4', '2', 0, 0, 0, 0, 0, 0})) << "the radio's old number must not replace it";
    EXPECT_EQ(driver.progress.back(), 100);
}

TEST_F(FactoryTransfer, SerialNumberReadTakesTheNumberOverWhenApplied)
{
    std::memcpy(radio.At(0x430C), "20240001", 8);
    std::memcpy(fx.settings.DeviceSn, "7\0\0\0\0\0\0\0", 8);
    SimulatedDriver driver(fx.Context(TransferKind::SerialNumber, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);
    EXPECT_EQ(radio.BlockAddresses('R'), std::vector<uint16_t>{0x430C});
    EXPECT_EQ(radio.Received()[3], Bytes({'R', 0x43, 0x0C, 8}));
    EXPECT_EQ(Sn()[0], '7') << "nothing changes before the notice was closed";

    driver.engine.ApplyResult();
    EXPECT_EQ(Sn(), Bytes({'2', '0', '2', '4', '0', '0', '0', '1'}));
}

TEST_F(FactoryTransfer, FailedSerialNumberReadKeepsTheNumber)
{
    radio.faults.WrongFirstByteStep = 3;
    std::memcpy(fx.settings.DeviceSn, "123\0\0\0\0\0", 8);
    SimulatedDriver driver(fx.Context(TransferKind::SerialNumber, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);
    driver.engine.ApplyResult();

    EXPECT_EQ(Sn(), Bytes({'1', '2', '3', 0, 0, 0, 0, 0}));
}

TEST_F(FactoryTransfer, PasswordSettingEndsRightAfterTheBandAnswer)
{
    radio.memory.SetPasswordText("old");
    std::memcpy(fx.settings.Password, "old", 4);
    std::memcpy(fx.settings.NewPassword, "new123", 7);
    radio.memory.SetBand({136000000, 174000000});
    SimulatedDriver driver(fx.Context(TransferKind::PasswordSetting, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(std::strcmp(reinterpret_cast<char*>(fx.settings.Password), "new123"), 0);
    EXPECT_EQ(driver.bandQuestions, 0);
    EXPECT_EQ(radio.CountStartingWith('W'), 0u);
    EXPECT_EQ(radio.Received().back(), Bytes{'E'});
    EXPECT_EQ(driver.progress.back(), 100);

    Bytes expected = EncodePassword(fx.settings.NewPassword);
    expected.resize(16, 0xFF);
    EXPECT_EQ(radio.InstalledPasswordPayload(), expected);
}

TEST_F(FactoryTransfer, EmptyNewPasswordClearsThePassword)
{
    std::memcpy(fx.settings.Password, "abc", 4);
    SimulatedDriver driver(fx.Context(TransferKind::PasswordSetting, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(fx.settings.Password[0], 0);
    EXPECT_EQ(radio.InstalledPasswordPayload(), Bytes(16, 0xFF));
}

TEST_F(FactoryTransfer, UnterminatedNewPasswordIsCutToSixteenCharacters)
{
    std::memset(fx.settings.NewPassword, '8', sizeof fx.settings.NewPassword);
    SimulatedDriver driver(fx.Context(TransferKind::PasswordSetting, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(std::string(reinterpret_cast<char*>(fx.settings.Password)), std::string(16, '8'));
}

TEST_F(FactoryTransfer, WrongCurrentPasswordKeepsTheOldOne)
{
    radio.memory.SetPasswordText("1111");
    std::memcpy(fx.settings.Password, "2222", 5);
    std::memcpy(fx.settings.NewPassword, "3333", 5);
    SimulatedDriver driver(fx.Context(TransferKind::PasswordSetting, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::PasswordError);

    EXPECT_EQ(std::strcmp(reinterpret_cast<char*>(fx.settings.Password), "2222"), 0);
    EXPECT_TRUE(radio.InstalledPasswordPayload().empty());
}

TEST_F(FactoryTransfer, LaterPasswordFramesRepeatTheLastNewPassword)
{
    std::memcpy(fx.settings.NewPassword, "55", 3);
    SimulatedDriver setter(fx.Context(TransferKind::PasswordSetting, false), {&radio});
    ASSERT_EQ(setter.Run(false), LinkOutcome::Success);

    SimulatedRadio next;
    next.memory.SetPasswordText("55");
    SimulatedDriver reader(fx.Context(TransferKind::Normal, true), {&next});
    ASSERT_EQ(reader.Run(false), LinkOutcome::Success);

    Bytes expected(17, 0x80);
    const Bytes installed = radio.InstalledPasswordPayload();
    std::copy(installed.begin(), installed.end(), expected.begin() + 1);
    EXPECT_EQ(next.CountFrames(expected), 1u);
}

}  // namespace
