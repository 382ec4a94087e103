#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "FileContents.h"
#include "ScratchDir.h"
#include "files/AtomicFile.h"
#include "files/ProgrammingLog.h"

// Failures the system reports only rarely, made on demand: this executable's own fsync, fchmod and
// write stand in for the C library's.

namespace {

bool failFolderSync = false;
bool failPermissionChange = false;
// A disk that is full once a file reaches this size: the write that gets there stops short, the
// next one fails.
std::optional<off_t> diskFullAt;

bool IsFolder(int fd)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsPlainFile(int fd)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

extern "C" int fsync(int fd)
{
    if (failFolderSync && IsFolder(fd)) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}

extern "C" int fchmod(int fd, mode_t mode)
{
    if (failPermissionChange) {
        errno = EPERM;
        return -1;
    }
    return int(syscall(SYS_fchmod, fd, mode));
}

extern "C" ssize_t write(int fd, const void* data, size_t count)
{
    if (diskFullAt && IsPlainFile(fd)) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= *diskFullAt) {
            errno = ENOSPC;
            return -1;
        }
        count = std::min(count, size_t(*diskFullAt - at));
    }
    return ssize_t(syscall(SYS_write, fd, data, count));
}

namespace {

TEST(SystemFaults, AFailedPermissionCopyOrFolderSyncIsNoSuccess)
{
    const struct {
        const char* name;
        bool* fault;
        FileProblem problem;
        int error;
        const char* content;  // what the file holds afterwards
    } cases[] = {
        {"permission copy", &failPermissionChange, FileProblem::CannotSave, EPERM, "old"},
        {"folder sync", &failFolderSync, FileProblem::SavedNotSynced, EIO, "new"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File("data.bin");
        WriteAll(path, "old");
        *c.fault = true;
        const FileResult result = WriteFileAtomically(path, reinterpret_cast<const uint8_t*>("new"), 3);
        *c.fault = false;

        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.problem, c.problem) << c.name;
        EXPECT_EQ(result.systemError, c.error) << c.name;
        EXPECT_EQ(ReadAll(path), c.content) << c.name;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"data.bin"}) << c.name;
    }
}

// A hard-linked log is written in place; a row that does not fit on the disk must not stay
// behind in part, or the next row would be glued to its remains. A log from before the port
// column, widened as the row comes, must not be overwritten in part either.
TEST(SystemFaults, ARowThatFillsTheDiskLeavesTheLogAsItWas)
{
    constexpr off_t PartOfARow = 10;
    const struct {
        const char* name;
        bool hardLinked;
        bool narrow;
    } cases[] = {
        {"written in place", true, false},
        {"replaced", false, false},
        {"widened in place", true, true},
        {"widened and replaced", false, true},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string log = dir.File("programming-log.csv");
        ProgrammingLogRow row;
        row.Serial = "SN000042";
        if (c.narrow)
            WriteAll(log, std::string("time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,"
                                      "verify\r\n,SN000041,,0.000000,0.000000,,,,,,\r\n"));
        else
            ASSERT_TRUE(AppendProgrammingLogRow(log, row).ok);
        const std::string before = ReadAll(log);
        if (c.hardLinked) {
            ASSERT_EQ(link(log.c_str(), dir.File("second-name.csv").c_str()), 0);
        }

        diskFullAt = off_t(before.size()) + PartOfARow;
        const FileResult result = AppendProgrammingLogRow(log, row);
        diskFullAt.reset();

        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.systemError, ENOSPC) << c.name;
        EXPECT_EQ(ReadAll(log), before) << c.name;
    }
}

}  // namespace
