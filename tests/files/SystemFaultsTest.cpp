#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "FileContents.h"
#include "ScratchDir.h"
#include "files/AtomicFile.h"

// Failures the system reports only rarely, made on demand: this executable's own fsync and fchmod
// stand in for the C library's.

namespace {

bool failFolderSync = false;
bool failPermissionChange = false;

bool IsFolder(int fd)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
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

}  // namespace
