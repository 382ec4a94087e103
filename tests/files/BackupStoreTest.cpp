#include <gtest/gtest.h>

#include <cstring>

#include "EnvOverride.h"
#include "FileContents.h"
#include "ScratchDir.h"
#include "Worded.h"
#include "files/BackupStore.h"

namespace {

const BackupMoment Morning{2026, 12, 8, 9, 30, 12};

TEST(BackupStore, FolderIsTheSerialNumberOrUnknown)
{
    const struct {
        const char* sn;
        const char* folder;
    } cases[] = {
        {"A1234567", "A1234567"},
        {"1234\0\0\0\0", "1234"},
        {"12 4    ", "12_4"},
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", "unknown"},
        {"\0\0\0\0\0\0\0\0", "unknown"},
        {"../..   ", "unknown"},
        {"a/b\\c.d", "a_b_c_d"},
    };
    for (const auto& c : cases) {
        uint8_t sn[DeviceSnSize];
        std::memcpy(sn, c.sn, DeviceSnSize);
        EXPECT_EQ(BackupFolderName(sn), c.folder) << c.sn;
    }
}

TEST(BackupStore, NamesByLocalTimeAndDirection)
{
    EXPECT_EQ(BackupBaseName(Morning, BackupDirection::Read), "20261208-093012-read");
    EXPECT_EQ(BackupBaseName({2027, 1, 2, 23, 4, 5}, BackupDirection::Write), "20270102-230405-write");
}

TEST(BackupStore, ReadKeepsRecordAndImageAndASecondBackupInTheSameSecondGetsItsOwnName)
{
    ScratchDir dir;
    RadioSettings settings;
    settings.ResetToDefaults();
    std::memcpy(settings.DeviceSn, "SN000042", DeviceSnSize);
    MemoryImage image;
    const auto bytes = RandomBytes(image.size(), 7);
    std::copy(bytes.begin(), bytes.end(), image.begin());

    const BackupResult first = StoreBackup(dir.Path(), settings, &image, Morning, BackupDirection::Read);
    ASSERT_TRUE(first.result.ok) << Worded(first.result);
    EXPECT_EQ(first.recordPath, dir.File("SN000042/20261208-093012-read.Kqd"));
    EXPECT_EQ(ReadAllBytes(first.recordPath),
              std::vector<uint8_t>(settings.BlockBytes(), settings.BlockBytes() + RadioSettingsBlockSize));
    EXPECT_EQ(ReadAllBytes(dir.File("SN000042/20261208-093012-read.img")), bytes);

    const BackupResult second = StoreBackup(dir.Path(), settings, nullptr, Morning, BackupDirection::Read);
    ASSERT_TRUE(second.result.ok);
    EXPECT_EQ(second.recordPath, dir.File("SN000042/20261208-093012-read-2.Kqd"));
    EXPECT_FALSE(FileExists(dir.File("SN000042/20261208-093012-read-2.img"))) << "a write keeps no image";
}

TEST(BackupStore, AFolderThatCannotBeMadeIsReportedNotThrown)
{
    ScratchDir dir;
    WriteAll(dir.File("blocker"), std::string("file"));
    RadioSettings settings;
    settings.ResetToDefaults();
    const BackupResult result = StoreBackup(dir.File("blocker"), settings, nullptr, Morning, BackupDirection::Write);
    EXPECT_FALSE(result.result.ok);
    EXPECT_NE(Worded(result.result).find("blocker"), std::string::npos);
}

TEST(BackupStore, RootFollowsXdgDataHome)
{
    EnvOverride home("HOME", "/home/dealer");
    {
        EnvOverride data("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(BackupRoot(), "/srv/data/kr-t27/backups");
    }
    EnvOverride relative("XDG_DATA_HOME", "relative");
    EXPECT_EQ(BackupRoot(), "/home/dealer/.local/share/kr-t27/backups");
}

}
