#include <gtest/gtest.h>

#include "FileContents.h"
#include "ScratchDir.h"
#include "model/Password.h"
#include "model/RecordCheck.h"
#include "radio/MemoryFile.h"
#include "radio/RadioMemory.h"
#include "radio/SampleMemory.h"

namespace {

using Bytes16 = std::vector<uint8_t>;

class PasswordRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(PasswordRoundTrip, KeepsTheTextAndReportsItInLinkEncoding)
{
    const std::string text = GetParam();
    RadioMemory memory;
    memory.SetPasswordText(text);
    EXPECT_EQ(memory.PasswordText(), text);
    std::vector<uint8_t> expected = EncodePassword(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    expected.resize(16, 0xFF);
    EXPECT_EQ(memory.LinkPassword(), expected);

    RadioMemory installed;
    installed.InstallLinkPassword(expected.data());
    EXPECT_EQ(installed.PasswordText(), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasswordRoundTrip,
                         ::testing::Values("", "1", "abc", "Pass word!", "~}|{0123456789AB", "0000000000000000"));

TEST(RadioMemory, LinkEncodingOfAKnownPassword)
{
    RadioMemory memory;
    memory.SetPasswordText("abc");
    const Bytes16 link = memory.LinkPassword();
    EXPECT_EQ(link[0], 0x1E);
    EXPECT_EQ(link[1], 0x2E);
    EXPECT_EQ(link[2], 0x3E);
    EXPECT_EQ(link[3], 0xFF);
}

TEST(RadioMemory, HandshakeFieldsSitAtTheirRadioAddresses)
{
    RadioMemory memory;
    memory.SetSerialNumber("42");
    memory.SetFirmware("V1.0");
    memory.SetBand({136000000, 174000000});
    EXPECT_EQ(memory.Read(0x430C, 8), (Bytes16{'4', '2', 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(memory.Read(0x4314, 12), (Bytes16{'V', '1', '.', '0', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(memory.Read(0x4155, 8), (Bytes16{0x08, 0x1B, 0x32, 0x00, 0x0A, 0x5F, 0x07, 0x80}));
    EXPECT_EQ(memory.Image()[0x155], 0x08);
}

TEST(RadioMemory, FreshMemoryCarriesTheStartupBand)
{
    RadioMemory memory;
    EXPECT_EQ(memory.Band(), BandLimits{});
    EXPECT_EQ(memory.PasswordText(), "");
}

// Reading the sample radio and writing it straight back must not need forcing.
TEST(SampleMemory, HoldsOnlyValuesTheRecordCheckAccepts)
{
    RadioMemory memory;
    FillSampleMemory(memory);
    RadioSettings settings{};
    settings.ResetToDefaults();
    BandLimits band;
    SetDataToSoftware(memory.Image(), settings, band);
    for (const RecordFinding& finding : CheckRecord(settings, band))
        ADD_FAILURE() << finding.field << " = " << finding.value;
}

TEST(MemoryFile, SavedImageLoadsBack)
{
    ScratchDir dir;
    const std::string path = dir.File("memory.bin");
    MemoryImage image{};
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = uint8_t(i * 13);
    ASSERT_TRUE(SaveMemoryFile(path, image));
    MemoryImage loaded{};
    EXPECT_EQ(LoadMemoryFile(path, loaded), MemoryFileLoad::Loaded);
    EXPECT_EQ(loaded, image);
}

TEST(MemoryFile, MissingFileIsNotAnError)
{
    ScratchDir dir;
    MemoryImage image{};
    EXPECT_EQ(LoadMemoryFile(dir.File("none.bin"), image), MemoryFileLoad::Missing);
}

TEST(MemoryFile, FileOfAnotherSizeIsRefusedAndLeavesTheImage)
{
    ScratchDir dir;
    const std::string path = dir.File("short.bin");
    WriteAll(path, std::string(100, 'x'));
    MemoryImage image{};
    EXPECT_EQ(LoadMemoryFile(path, image), MemoryFileLoad::Unusable);
    EXPECT_EQ(image, MemoryImage{});
}

}
