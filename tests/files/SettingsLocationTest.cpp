#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "EnvOverride.h"
#include "FileContents.h"
#include "ScratchDir.h"
#include "WriteFailures.h"
#include "files/AppSettings.h"
#include "files/SettingsLocation.h"

namespace fs = std::filesystem;

namespace {

class SettingsLocationTest : public testing::Test {
protected:
    ScratchDir dir;
    const std::string exeDir = dir.File("bin");
    const std::string configHome = dir.File("config");
    const std::string besideExe = exeDir + "/KR-T27_config.ini";
    const std::string inConfigHome = configHome + "/kr-t27/KR-T27_config.ini";

    void SetUp() override { fs::create_directories(exeDir); }
};

TEST_F(SettingsLocationTest, AWritableExecutableFolderHoldsTheFile)
{
    EXPECT_EQ(ChooseSettingsFilePath(exeDir, configHome), besideExe);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"bin"}) << "probing leaves nothing behind";
    EXPECT_TRUE(fs::is_empty(exeDir));
}

TEST_F(SettingsLocationTest, AFileBesideTheExecutableWinsOverOneInTheConfigurationFolder)
{
    WriteAll(besideExe, "[config]\n");
    fs::create_directories(configHome + "/kr-t27");
    WriteAll(inConfigHome, "[config]\n");

    EXPECT_EQ(ChooseSettingsFilePath(exeDir, configHome), besideExe);
}

TEST_F(SettingsLocationTest, AFileBesideALockedExecutableFolderIsStillUsed)
{
    WriteAll(besideExe, "[config]\n");
    ImmutableDir locked(exeDir);
    if (!locked.Active())
        GTEST_SKIP() << "this file system cannot lock a folder against the administrator";

    EXPECT_FALSE(IsWritableDirectory(exeDir));
    EXPECT_EQ(ChooseSettingsFilePath(exeDir, configHome), besideExe);
}

TEST_F(SettingsLocationTest, AnUnwritableExecutableFolderFallsBackToTheConfigurationFolder)
{
    WriteAll(dir.File("plain"), "a file, not a folder");
    for (const std::string& unwritable : {dir.File("plain"), std::string("/proc/self")}) {
        EXPECT_FALSE(IsWritableDirectory(unwritable)) << unwritable;
        EXPECT_EQ(ChooseSettingsFilePath(unwritable, configHome), inConfigHome) << unwritable;
    }
}

TEST_F(SettingsLocationTest, WithoutAConfigurationFolderTheExecutableFolderIsKept)
{
    EXPECT_EQ(ChooseSettingsFilePath("/proc/self", ""), "/proc/self/KR-T27_config.ini");
}

TEST_F(SettingsLocationTest, AnUnknownExecutableFolderUsesTheConfigurationFolder)
{
    EXPECT_EQ(ChooseSettingsFilePath("", configHome), inConfigHome);
}

TEST_F(SettingsLocationTest, AProbeLeftByAKilledRunDoesNotMakeTheFolderLookReadOnly)
{
    WriteAll(exeDir + "/.kr-t27-write-probe", "");
    EXPECT_TRUE(IsWritableDirectory(exeDir));
    EXPECT_TRUE(fs::is_empty(exeDir));
}

TEST_F(SettingsLocationTest, TheFallbackFileIsCreatedWithItsFolderOnFirstStart)
{
    const std::string path = ChooseSettingsFilePath(dir.File("plain-missing-folder"), configHome);
    ASSERT_EQ(path, inConfigHome);

    LoadAppSettings(path);

    EXPECT_TRUE(fs::is_regular_file(inConfigHome));
    EXPECT_NE(ReadAll(inConfigHome).find("band Selete=1"), std::string::npos);
}

struct ConfigHomeCase {
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::string expected;
};

class UserConfigHomeTest : public testing::TestWithParam<ConfigHomeCase> {};

TEST_P(UserConfigHomeTest, FollowsTheBaseDirectoryConvention)
{
    EnvOverride xdg("XDG_CONFIG_HOME", GetParam().xdg);
    EnvOverride home("HOME", GetParam().home);
    EXPECT_EQ(UserConfigHome(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Environments, UserConfigHomeTest,
                         testing::Values(ConfigHomeCase{"/xdg/conf", "/home/u", "/xdg/conf"},
                                         ConfigHomeCase{std::nullopt, "/home/u", "/home/u/.config"},
                                         ConfigHomeCase{"", "/home/u", "/home/u/.config"},
                                         ConfigHomeCase{"relative/conf", "/home/u", "/home/u/.config"},
                                         ConfigHomeCase{std::nullopt, std::nullopt, ""}));

TEST(ExecutableDirectory, IsTheFolderOfTheRunningProgram)
{
    const std::string exeDir = ExecutableDirectory();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_TRUE(fs::is_regular_file(fs::path(exeDir) / "files_tests"));
}

TEST(SettingsFilePath, LiesBesideTheRunningProgramWhenItsFolderIsWritable)
{
    EXPECT_EQ(SettingsFilePath(), (fs::path(ExecutableDirectory()) / "KR-T27_config.ini").string());
}

}  // namespace
