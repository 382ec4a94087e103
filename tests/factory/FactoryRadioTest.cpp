#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include <QLineEdit>
#include <QPushButton>

#include "EnvOverride.h"
#include "FileContents.h"
#include "ModalDriver.h"
#include "RadioProcess.h"
#include "WidgetDriving.h"
#include "calibration/AdjustmentBlock.h"
#include "calibration/SerialNumber.h"
#include "factory/AdjustmentDlg.h"
#include "factory/DigitEdit.h"
#include "factory/WriteSnDlg.h"
#include "lang/AppLang.h"
#include "link/engine/TransferTargets.h"

namespace {

constexpr int TransferWaitMs = 30000;
constexpr size_t CalibrationImageOffset = AdjustmentBlockAddress - MemoryImageBaseAddress;
constexpr size_t SerialNumberImageOffset = 0x430C - MemoryImageBaseAddress;

using RadioArgs = std::vector<std::string>;
const RadioArgs RadioOptions{"--no-pacing", "--serial", "31415926", "--band-limits",
                             std::to_string(BandLimits::StartupMin), std::to_string(BandLimits::StartupMax)};
const MemoryImage BlankMemory{};

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

    // What a write's notice says before the line that tells where the radio's data went.
    static QString Outcome(const QString& notice) { return notice.section('\n', 0, 0); }

    // Backups land in a data folder of the test's own.
    ScratchDir dataHome;
    EnvOverride dataHomeOverride{"XDG_DATA_HOME", dataHome.Path()};
    std::string Backups() const { return dataHome.File("kr-t27/backups"); }

    TransferTargets objects;
    AdjustmentData calibration{};
    RadioProcess radio{RadioOptions, &BlankMemory};
};

std::vector<std::string> FilesUnder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file())
            names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

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

    EXPECT_EQ(Outcome(Transfer(dialog.bWrite)), QStringLiteral("SUCCESS"));

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
    EXPECT_EQ(Outcome(Transfer(dialog.Button2)), QStringLiteral("SUCCESS"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("00000200"));

    EXPECT_EQ(Transfer(dialog.Button1), QStringLiteral("SUCCESS"));
    EXPECT_EQ(dialog.eSn->text(), QStringLiteral("00000199"));

    Retype(dialog.eSn, QStringLiteral("42"));
    EXPECT_EQ(Outcome(Transfer(dialog.Button2)), QStringLiteral("SUCCESS"));
    const MemoryImage memory = radio.StopAndReadMemory();
    const uint8_t expected[DeviceSnSize] = {0x34, 0x32, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), memory.begin() + SerialNumberImageOffset));
}

// Before a factory write the radio's own calibration and serial number go to the backups, and the
// notice says where; without backups the write is the plain one.
TEST_F(FactoryRadio, WritesKeepTheRadiosCalibrationAndSerialNumberFirstAndSayWhere)
{
    TAdjustmentDlg dialog(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    const AdjustmentData first = RandomCalibration(27);
    calibration = first;
    dialog.SetBackUpBeforeWrite(false);
    EXPECT_EQ(Transfer(dialog.bWrite), QStringLiteral("SUCCESS"));
    EXPECT_TRUE(FilesUnder(Backups()).empty());

    dialog.SetBackUpBeforeWrite(true);
    calibration = RandomCalibration(28);
    const QString calibrated = Transfer(dialog.bWrite);
    std::vector<std::string> kept = FilesUnder(Backups());
    ASSERT_EQ(kept.size(), 2u);
    const std::string where = Backups() + "/" + kept[0];
    EXPECT_EQ(calibrated, QStringLiteral("SUCCESS\nThe radio's calibration and serial number before this write are "
                                         "backed up in ") + QString::fromStdString(where));
    EXPECT_EQ(ReadAllBytes(where), std::vector<uint8_t>(first.Bytes(), first.Bytes() + AdjustmentDataSize));
    EXPECT_EQ(ReadAll(Backups() + "/" + kept[1]), "31415926");

    TWriteSnDlg numbers(objects.Context(TransferKind::SerialNumber, false), &dialog);
    ASSERT_TRUE(ShowActive(numbers));
    Retype(numbers.eSn, QStringLiteral("42"));
    EXPECT_EQ(Outcome(Transfer(numbers.Button2)), QStringLiteral("SUCCESS"));
    kept = FilesUnder(Backups());
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_EQ(ReadAll(Backups() + "/" + kept[3]), "31415926");

    numbers.SetBackUpBeforeWrite(false);
    EXPECT_EQ(Transfer(numbers.Button2), QStringLiteral("SUCCESS"));
    EXPECT_EQ(FilesUnder(Backups()).size(), 4u);
    const MemoryImage memory = radio.StopAndReadMemory();
    EXPECT_EQ(std::string(memory.begin() + SerialNumberImageOffset, memory.begin() + SerialNumberImageOffset + 3),
              std::string("43\0", 3));
}

// When what the radio holds cannot be kept first, nothing is written, and the notice says why: the
// read failed, or its data found no place.
TEST_F(FactoryRadio, AWriteWhoseBackupFailsWritesNothingAndSaysWhy)
{
    TAdjustmentDlg dialog(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    calibration = RandomCalibration(29);
    WriteAll(dataHome.File("kr-t27"), std::string("a file where the data folder should be"));
    const QString unkept = Transfer(dialog.bWrite);
    EXPECT_TRUE(unkept.startsWith(QStringLiteral("Nothing was written: the radio's calibration could not be backed up "
                                                 "first.\nCannot back up into ") +
                                  QString::fromStdString(Backups() + "/31415926")))
        << unkept.toStdString();
    EXPECT_EQ(radio.StopAndReadMemory(), RadioProcess::MemoryAtStart(RadioOptions, BlankMemory));

    RadioArgs guardedOptions = RadioOptions;
    guardedOptions.insert(guardedOptions.end(), {"--password", "secret"});
    RadioProcess guarded(guardedOptions, &BlankMemory);
    objects.Link.Ports.Pinned = {{1, guarded.LinkPath()}};
    EXPECT_EQ(Transfer(dialog.bWrite),
              QStringLiteral("Nothing was written: the radio's calibration could not be backed up first.\n"
                             "Password Error\n"
                             "Enter the radio's password under Edit > Password, then try again. Nothing was changed "
                             "in the radio."));
    EXPECT_EQ(guarded.StopAndReadMemory(), RadioProcess::MemoryAtStart(guardedOptions, BlankMemory));
}

}
