#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "FileContents.h"
#include "ScratchDir.h"
#include "Worded.h"
#include "WriteFailures.h"
#include "files/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

FileResult WriteText(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingElse)
{
    ScratchDir dir;
    const std::string path = dir.File("data.bin");
    WriteAll(path, std::string(5000, 'x'));

    ASSERT_TRUE(WriteText(path, "short").ok);

    EXPECT_EQ(ReadAll(path), "short");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"data.bin"});
}

// A private file (a backup, a log, a bundle) never stays readable by others, even over one that was.
TEST(AtomicFile, AReplacedFileKeepsItsPermissionsButAPrivateOneLosesOthers)
{
    struct Case {
        mode_t before;
        NewFileAccess access;
        mode_t after;
    };
    for (const Case& c : {Case{0600, NewFileAccess::UsersDefault, 0600}, Case{0644, NewFileAccess::UsersDefault, 0644},
                          Case{0644, NewFileAccess::OwnerOnly, 0600}}) {
        ScratchDir dir;
        const std::string path = dir.File("kept.bin");
        WriteAll(path, "old");
        chmod(path.c_str(), c.before);

        ASSERT_TRUE(WriteFileAtomically(path, reinterpret_cast<const uint8_t*>("new"), 3, c.access).ok);

        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, c.after) << std::oct << c.before;
    }
}

TEST(AtomicFile, SavingThroughALinkReplacesTheFileItPointsTo)
{
    ScratchDir dir;
    const std::string real = dir.File("real.ini");
    const std::string link = dir.File("link.ini");
    WriteAll(real, "old");
    fs::create_symlink(real, link);

    ASSERT_TRUE(WriteText(link, "new").ok);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "new");
}

TEST(AtomicFile, TargetsThatCannotBeWrittenAreReportedWithTheirPath)
{
    ScratchDir dir;
    WriteAll(dir.File("plain"), "a regular file");
    fs::create_directory(dir.File("folder"));

    const std::string targets[] = {
        dir.File("plain") + "/inside.bin",  // parent is a regular file
        dir.File("missing") + "/inside.bin",
        "/proc/self/kr-t27-test.bin",  // not even the administrator creates files here
        dir.File("folder"),            // written, but cannot replace a folder
    };
    for (const std::string& target : targets) {
        const FileResult result = WriteText(target, "data");
        EXPECT_FALSE(result.ok) << target;
        EXPECT_NE(Worded(result).find(target), std::string::npos) << Worded(result);
        EXPECT_NE(Worded(result).find(": "), std::string::npos) << "names the reason: " << Worded(result);
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder", "plain"})) << "no temporary file is left behind";
}

TEST(AtomicFile, AWriteThatFailsHalfwayKeepsTheOldFile)
{
    ScratchDir dir;
    const std::string path = dir.File("data.bin");
    WriteAll(path, "previous content");

    FileResult result;
    {
        FileSizeLimit limit(64);
        result = WriteText(path, std::string(4096, 'n'));
    }

    EXPECT_FALSE(result.ok);
    EXPECT_NE(Worded(result).find("File too large"), std::string::npos) << Worded(result);
    EXPECT_EQ(ReadAll(path), "previous content");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"data.bin"});
}

TEST(AtomicFile, ReadFilePrefixReadsAtMostTheAskedSize)
{
    ScratchDir dir;
    const std::string path = dir.File("ten");
    WriteAll(path, "0123456789");

    uint8_t buffer[16] = {};
    size_t got = 0;
    ASSERT_TRUE(ReadFilePrefix(path, buffer, 4, got).ok);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::string(buffer, buffer + got), "0123");

    ASSERT_TRUE(ReadFilePrefix(path, buffer, sizeof buffer, got).ok);
    EXPECT_EQ(got, 10u);
}

TEST(AtomicFile, ReadFilePrefixReportsWhatCannotBeRead)
{
    ScratchDir dir;
    uint8_t buffer[4];
    size_t got = 99;
    for (const std::string& path : {dir.File("absent"), dir.Path()}) {
        const FileResult result = ReadFilePrefix(path, buffer, sizeof buffer, got);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_NE(Worded(result).find(path), std::string::npos) << Worded(result);
        EXPECT_EQ(got, 0u);
    }
}

}  // namespace
