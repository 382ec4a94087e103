#include <gtest/gtest.h>

#include <filesystem>

#include "FileContents.h"
#include "ScratchDir.h"
#include "Worded.h"
#include "WriteFailures.h"
#include "files/AppSettings.h"

namespace fs = std::filesystem;

namespace {

const char* const DefaultFile = "[config]\n"
                                "Port=1\n"
                                "Language=1\n"
                                "AutoSeachPort=1\n"
                                "[Band]\n"
                                "band-1 min=136000000\n"
                                "band-1 max=174000000\n"
                                "band-2 min=400000000\n"
                                "band-2 max=470000000\n"
                                "band-3 min=245000000\n"
                                "band-3 max=246000000\n"
                                "band-4 min=400000000\n"
                                "band-4 max=480000000\n"
                                "band-5 min=450000000\n"
                                "band-5 max=520000000\n"
                                "band-6 min=470000000\n"
                                "band-6 max=520000000\n"
                                "band Selete=1\n";

class AppSettingsTest : public testing::Test {
protected:
    ScratchDir dir;
    const std::string path = dir.File("KR-T27_config.ini");

    AppSettings LoadFrom(const std::string& text)
    {
        WriteAll(path, text);
        return LoadAppSettings(path);
    }
};

void ExpectDefaults(const AppSettings& s)
{
    EXPECT_EQ(s.Port, 1);
    EXPECT_EQ(s.Language, 1);
    EXPECT_TRUE(s.AutoSeachPort);
    EXPECT_EQ(s.Bands, AppSettings::DefaultBands());
    EXPECT_EQ(s.BandSelete, 1);
    EXPECT_TRUE(s.PinnedPorts.empty());
}

TEST_F(AppSettingsTest, AStartWithoutAFileCreatesItWithTheDefaultsInOrder)
{
    const AppSettings s = LoadAppSettings(path);

    ExpectDefaults(s);
    EXPECT_EQ(ReadAll(path), DefaultFile);
    EXPECT_EQ(s.Bands[s.BandSelete], (BandLimits{400000000, 470000000}));
}

TEST_F(AppSettingsTest, AStartAndExitWithoutAFileKeepsTheChosenPortAndLanguage)
{
    AppSettings s = LoadAppSettings(path);
    s.Port = 4;
    s.Language = 0;
    s.AutoSeachPort = false;

    ASSERT_TRUE(SaveAppSettings(path, s).ok);

    std::string expected = DefaultFile;
    expected.replace(expected.find("Port=1"), 6, "Port=4");
    expected.replace(expected.find("Language=1"), 10, "Language=0");
    expected.replace(expected.find("AutoSeachPort=1"), 15, "AutoSeachPort=0");
    EXPECT_EQ(ReadAll(path), expected);
}

class BandSeleteOutOfRangeTest : public AppSettingsTest, public testing::WithParamInterface<const char*> {};

TEST_P(BandSeleteOutOfRangeTest, SelectsTheFirstBandAndIsSavedAsZero)
{
    AppSettings s = LoadFrom(std::string("[Band]\nband Selete=") + GetParam() + "\n");
    EXPECT_EQ(s.BandSelete, 0);

    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_NE(ReadAll(path).find("band Selete=0\n"), std::string::npos) << ReadAll(path);
}

INSTANTIATE_TEST_SUITE_P(Values, BandSeleteOutOfRangeTest, testing::Values("9", "6", "-1", "2147483647"));

TEST_F(AppSettingsTest, HandEditedBandLimitsAreReadAndNeverOverwritten)
{
    std::string text = DefaultFile;
    text.replace(text.find("band-3 max=246000000"), 20, "band-3 max=250000000");
    AppSettings s = LoadFrom(text);
    EXPECT_EQ(s.Bands[2], (BandLimits{245000000, 250000000}));

    s.Bands[2].BandMax = 999;
    s.Bands[0].BandMin = 1;
    s.BandSelete = 2;
    ASSERT_TRUE(SaveAppSettings(path, s).ok);

    text.replace(text.find("band Selete=1"), 13, "band Selete=2");
    EXPECT_EQ(ReadAll(path), text);
}

TEST_F(AppSettingsTest, AnExistingFileWithoutLimitsGetsNoneOnSave)
{
    const AppSettings s = LoadFrom("[config]\nPort=2\n");
    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_EQ(ReadAll(path), "[config]\nPort=2\nLanguage=1\nAutoSeachPort=1\n[Band]\nband Selete=1\n");
}

TEST_F(AppSettingsTest, VerifyAfterWriteIsRememberedOnceOnAndBackupsOnlyEverRead)
{
    AppSettings s = LoadFrom("[config]\nPort=2\nBackups=0\n");
    EXPECT_FALSE(s.VerifyAfterWrite);
    EXPECT_FALSE(s.Backups);
    s.VerifyAfterWrite = true;
    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_EQ(ReadAll(path),
              "[config]\nPort=2\nBackups=0\nLanguage=1\nAutoSeachPort=1\nVerifyAfterWrite=1\n[Band]\nband Selete=1\n");
    EXPECT_TRUE(LoadAppSettings(path).VerifyAfterWrite);
    s.VerifyAfterWrite = false;
    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_FALSE(LoadAppSettings(path).VerifyAfterWrite) << "switched off again, the line stays and says so";
    EXPECT_TRUE(LoadFrom("[config]\n").Backups);
}

TEST_F(AppSettingsTest, FastLinkIsWrittenOnlyOnceSwitchedOn)
{
    AppSettings s = LoadFrom("[config]\nPort=2\n");
    EXPECT_FALSE(s.FastLink);
    s.FastLink = true;
    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_EQ(ReadAll(path), "[config]\nPort=2\nLanguage=1\nAutoSeachPort=1\nFastLink=1\n[Band]\nband Selete=1\n");
    EXPECT_TRUE(LoadAppSettings(path).FastLink);
    s.FastLink = false;
    ASSERT_TRUE(SaveAppSettings(path, s).ok);
    EXPECT_FALSE(LoadAppSettings(path).FastLink);
}

TEST_F(AppSettingsTest, AFileDeletedWhileRunningIsRecreatedWithBuiltInLimits)
{
    std::string text = DefaultFile;
    text.replace(text.find("band-1 min=136000000"), 20, "band-1 min=144000000");
    AppSettings s = LoadFrom(text);
    ASSERT_EQ(s.Bands[0].BandMin, 144000000u);
    fs::remove(path);

    ASSERT_TRUE(SaveAppSettings(path, s).ok);

    EXPECT_EQ(ReadAll(path), DefaultFile);
}

struct FallbackCase {
    const char* line;  // in the section the key belongs to
    const char* section;
};

class NonNumericValueTest : public AppSettingsTest, public testing::WithParamInterface<FallbackCase> {};

TEST_P(NonNumericValueTest, FallsBackToTheDefault)
{
    const AppSettings s =
        LoadFrom(std::string("[") + GetParam().section + "]\n" + GetParam().line + "\n[Ports]\n");
    ExpectDefaults(s);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NonNumericValueTest,
    testing::Values(FallbackCase{"Port=abc", "config"}, FallbackCase{"Port=", "config"},
                    FallbackCase{"Port=3 ; comment", "config"}, FallbackCase{"Language=english", "config"},
                    FallbackCase{"Language=99999999999", "config"}, FallbackCase{"AutoSeachPort=maybe", "config"},
                    FallbackCase{"band-2 min=4e8", "Band"}, FallbackCase{"band-1 max=-5", "Band"},
                    FallbackCase{"band-6 max=5000000000", "Band"}, FallbackCase{"band Selete=two", "Band"}));

TEST_F(AppSettingsTest, HandWrittenValuesAreReadWithoutRegardToCase)
{
    const AppSettings s = LoadFrom("[CONFIG]\nport = 7\nlanguage=2\nautoseachport=false\n"
                                   "[band]\nBAND-4 MIN=410000000\nBand Selete=3\n");
    EXPECT_EQ(s.Port, 7);
    EXPECT_EQ(s.Language, 2);
    EXPECT_FALSE(s.AutoSeachPort);
    EXPECT_EQ(s.Bands[3].BandMin, 410000000u);
    EXPECT_EQ(s.BandSelete, 3);
}

TEST_F(AppSettingsTest, ASaveKeepsCommentsUnknownEntriesAndTheOrderOfLines)
{
    const std::string before = "; written by hand\n"
                               "[Band]\n"
                               "band Selete=5\n"
                               "band-1 min=137000000\n"
                               "\n"
                               "[config]\n"
                               "# the port of the desk cable\n"
                               "AutoSeachPort = 1\n"
                               "Colour=blue\n"
                               "PORT=2\n"
                               "\n"
                               "[Ports]\n"
                               "COM7=/dev/serial/by-id/usb-cable-if00\n"
                               "[Unknown section]\n"
                               "odd key with spaces=value = with equals\n";
    AppSettings s = LoadFrom(before);
    s.Port = 7;
    s.Language = 2;
    s.AutoSeachPort = false;
    s.BandSelete = 3;
    s.PinnedPorts.clear();

    ASSERT_TRUE(SaveAppSettings(path, s).ok);

    EXPECT_EQ(ReadAll(path), "; written by hand\n"
                             "[Band]\n"
                             "band Selete=3\n"
                             "band-1 min=137000000\n"
                             "\n"
                             "[config]\n"
                             "# the port of the desk cable\n"
                             "AutoSeachPort = 0\n"
                             "Colour=blue\n"
                             "PORT=7\n"
                             "Language=2\n"
                             "\n"
                             "[Ports]\n"
                             "COM7=/dev/serial/by-id/usb-cable-if00\n"
                             "[Unknown section]\n"
                             "odd key with spaces=value = with equals\n");
}

TEST_F(AppSettingsTest, PinnedPortsAreReadFromThePortsSection)
{
    const AppSettings s = LoadFrom("[Ports]\n"
                                   "COM7=/dev/serial/by-id/usb-cable-if00\n"
                                   "com2 = /dev/ttyUSB0\n"
                                   "COM2=/dev/ttyUSB9\n"
                                   "COM0=/dev/zero-is-no-port\n"
                                   "COM-1=/dev/negative\n"
                                   "COMX=/dev/not-a-number\n"
                                   "COM3=\n"
                                   "Port4=/dev/wrong-prefix\n");
    const std::map<int, std::string> expected = {{2, "/dev/ttyUSB0"}, {7, "/dev/serial/by-id/usb-cable-if00"}};
    EXPECT_EQ(s.PinnedPorts, expected);
}

TEST_F(AppSettingsTest, ASaveThatCannotCreateTheFileFailsNamingIt)
{
    WriteAll(dir.File("plain"), "a file, not a folder");
    const std::string impossible = dir.File("plain/KR-T27_config.ini");

    const FileResult result = SaveAppSettings(impossible, AppSettings());

    EXPECT_FALSE(result.ok);
    EXPECT_NE(Worded(result).find(impossible), std::string::npos) << Worded(result);
}

TEST_F(AppSettingsTest, ASaveIntoALockedFolderFailsAndKeepsTheOldFile)
{
    LoadAppSettings(path);
    AppSettings s;
    s.Port = 9;

    FileResult result;
    {
        ImmutableDir locked(dir.Path());
        if (!locked.Active())
            GTEST_SKIP() << "this file system cannot lock a folder against the administrator";
        result = SaveAppSettings(path, s);
    }

    EXPECT_FALSE(result.ok);
    EXPECT_NE(Worded(result).find(path), std::string::npos) << Worded(result);
    EXPECT_EQ(ReadAll(path), DefaultFile);
}

TEST_F(AppSettingsTest, AnUnreadableFileGivesDefaultsAndIsNotReplaced)
{
    fs::create_directory(path);  // exists, but cannot be read as a file

    ExpectDefaults(LoadAppSettings(path));

    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(SaveAppSettings(path, AppSettings()).ok);
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(AppSettingsTest, AFileOverAMebibyteIsNotReadAndSaysSo)
{
    std::string text = "[config]\nPort=7\n[Ports]\n";
    while (text.size() <= SettingsFileLimit)
        text += "COM" + std::to_string(text.size()) + "=/dev/null\n";
    WriteAll(path, text);

    FileResult unread;
    ExpectDefaults(LoadAppSettings(path, &unread));
    EXPECT_EQ(unread.problem, FileProblem::TextFileTooLarge);
    EXPECT_EQ(Worded(unread), path + ": larger than 1 MiB");

    EXPECT_FALSE(SaveAppSettings(path, AppSettings()).ok);
    EXPECT_EQ(ReadAll(path), text) << "left as it was";
}

}  // namespace
