#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FileModes.h"
#include "ScratchDir.h"
#include "Worded.h"
#include "files/AtomicFile.h"
#include "files/BackupStore.h"
#include "files/ChannelDataFile.h"
#include "files/ProgrammingLog.h"

namespace {

// What holds the radio's password is the user's alone, folders made for it included, whatever the
// umask; a record the user saves is as open as the umask makes any new file of theirs.
TEST(FileAccess, WhatHoldsThePasswordIsTheUsersAlone)
{
    for (const mode_t mask : {mode_t(022), mode_t(0)}) {
        const UmaskOverride umask(mask);
        ScratchDir dir;
        RadioSettings settings;
        settings.ResetToDefaults();
        std::memcpy(settings.DeviceSn, "SN000042", DeviceSnSize);
        const MemoryImage image{};
        const BackupMoment morning{2026, 12, 8, 9, 30, 12};
        const BackupResult backup =
            StoreBackup(dir.File("data/backups"), settings, &image, morning, BackupDirection::Read);
        ASSERT_TRUE(backup.result.ok) << Worded(backup.result);
        ProgrammingLogRow row;
        row.Serial = "SN000042";
        ASSERT_TRUE(AppendProgrammingLogRow(dir.File("logs/new/programming-log.csv"), row).ok);
        const std::string trace = "+0.000 > 80 ** **\n";
        ASSERT_TRUE(WriteFileAtomically(dir.File("read.trace"), reinterpret_cast<const uint8_t*>(trace.data()),
                                        trace.size(), NewFileAccess::OwnerOnly)
                        .ok);
        ASSERT_TRUE(SaveChannelFile(dir.File("mine.Kqd"), settings).ok);

        const struct {
            const char* name;
            unsigned permissions;
        } cases[] = {
            {"data", 0700},
            {"data/backups", 0700},
            {"data/backups/SN000042", 0700},
            {"data/backups/SN000042/20261208-093012-read.Kqd", 0600},
            {"data/backups/SN000042/20261208-093012-read.img", 0600},
            {"logs", 0700},
            {"logs/new", 0700},
            {"logs/new/programming-log.csv", 0600},
            {"read.trace", 0600},
            {"mine.Kqd", 0666 & ~unsigned(mask)},
        };
        for (const auto& c : cases)
            EXPECT_EQ(PermissionsOf(dir.File(c.name)), c.permissions)
                << c.name << " under umask 0" << std::oct << mask;
    }
}

}  // namespace
