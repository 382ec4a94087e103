#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileContents.h"
#include "ScratchDir.h"
#include "DeviceNodes.h"
#include "WriteFailures.h"
#include "files/AtomicFile.h"

// What a save may replace, and what it must leave as it is.

namespace fs = std::filesystem;

namespace {

const std::string NewText = "new";
const std::string OldText = "old";

FileResult Save(const std::string& path)
{
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(NewText.data()), NewText.size());
}

enum class Access { Direct, SymbolicLink, OpenDescriptor };

TEST(SaveTargets, FoldersDevicesAndPipesAreRefusedAndLeftAsTheyAre)
{
    const struct {
        NodeKind kind;
        Access access;
        const char* node;
    } cases[] = {
        {NodeKind::Pipe, Access::Direct, "pipe"},
        {NodeKind::Pipe, Access::SymbolicLink, "pipe"},
        {NodeKind::Pipe, Access::OpenDescriptor, "pipe"},
        {NodeKind::Device, Access::Direct, "device"},
        {NodeKind::Device, Access::SymbolicLink, "device"},
        {NodeKind::Folder, Access::SymbolicLink, "folder"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string node = dir.File("node");
        if (!MakeNode(c.kind, node))
            continue;  // no device nodes without the privilege
        const int fd = c.access == Access::OpenDescriptor ? open(node.c_str(), O_RDWR | O_NONBLOCK) : -1;
        std::string target = node;
        if (c.access == Access::SymbolicLink) {
            target = dir.File("link");
            fs::create_symlink(node, target);
        } else if (c.access == Access::OpenDescriptor) {
            target = "/proc/self/fd/" + std::to_string(fd);
        }
        const auto namesBefore = dir.Names();

        const FileResult result = Save(target);

        EXPECT_EQ(result.problem, FileProblem::NotAFileToSave) << c.node << " via " << target;
        EXPECT_EQ(result.path, target);
        EXPECT_EQ(NodeAt(node), c.node);
        EXPECT_EQ(dir.Names(), namesBefore) << "nothing replaced, nothing left behind";
        if (fd >= 0)
            close(fd);
    }
}

TEST(SaveTargets, ASymbolicLinkStaysALinkEvenWhenItsFileIsMissing)
{
    const struct {
        const char* name;
        bool absolute;
        std::vector<std::pair<std::string, std::string>> links;  // link name, what it names
        std::string written;
    } cases[] = {
        {"dangling, absolute", true, {{"link", "missing.ini"}}, "missing.ini"},
        {"dangling, relative into a folder", false, {{"link", "sub/new.ini"}}, "sub/new.ini"},
        {"a chain ending nowhere", false, {{"first", "second"}, {"second", "sub/end.ini"}}, "sub/end.ini"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        fs::create_directory(dir.File("sub"));
        for (const auto& [link, to] : c.links)
            fs::create_symlink(c.absolute ? dir.File(to) : to, dir.File(link));

        ASSERT_TRUE(Save(dir.File(c.links.front().first)).ok) << c.name;

        for (const auto& link : c.links)
            EXPECT_EQ(NodeAt(dir.File(link.first)), "link") << c.name;
        EXPECT_EQ(ReadAll(dir.File(c.written)), NewText) << c.name;
    }
}

TEST(SaveTargets, AHardLinkedFileKeepsItsOtherName)
{
    ScratchDir dir;
    WriteAll(dir.File("one"), OldText);
    fs::create_hard_link(dir.File("one"), dir.File("two"));

    ASSERT_TRUE(Save(dir.File("one")).ok);

    EXPECT_EQ(ReadAll(dir.File("two")), NewText);
    EXPECT_EQ(fs::hard_link_count(dir.File("one")), 2u);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"one", "two"}));
}

TEST(SaveTargets, TemporaryNamesNeverStandInTheWay)
{
    const struct {
        const char* name;
        std::string file;
        int leftovers;  // of killed saves, in the old naming
    } cases[] = {
        {"a name of the longest legal length", std::string(251, 'n'), 0},
        {"a hundred leftovers beside it", "data.Kqd", 100},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File(c.file);
        for (int i = 0; i < c.leftovers; ++i)
            WriteAll(path + ".tmp" + std::to_string(i), "left by a killed save");
        const auto namesBefore = dir.Names();

        EXPECT_TRUE(Save(path).ok) << c.name;

        EXPECT_EQ(ReadAll(path), NewText) << c.name;
        EXPECT_EQ(dir.Names().size(), namesBefore.size() + 1) << c.name;
    }
}

// Root ignores permission bits, so these saves run as nobody.
TEST(SaveTargets, PermissionsDecideAsForAnOpenForWriting)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    constexpr uid_t Root = 0;
    const struct {
        const char* name;
        mode_t folderMode;
        bool fileExists;
        uid_t owner;
        mode_t fileMode;
        int error;  // 0: saved
    } cases[] = {
        {"a read-only file of one's own", 0777, true, NobodyId, 0444, EACCES},
        {"another user's file in a world-writable folder", 0777, true, Root, 0644, EACCES},
        {"another user's file one may write", 0777, true, Root, 0666, 0},
        {"a writable file in a read-only folder", 0555, true, NobodyId, 0644, 0},
        {"a new file in a read-only folder", 0555, false, NobodyId, 0, EACCES},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File("settings.ini");
        if (c.fileExists) {
            WriteAll(path, OldText);
            ASSERT_EQ(chown(path.c_str(), c.owner, c.owner), 0);
            ASSERT_EQ(chmod(path.c_str(), c.fileMode), 0);
        }
        ASSERT_EQ(chmod(dir.Path().c_str(), c.folderMode), 0);

        // 253: the check asked before a save does not foretell it.
        const int status = RunAsNobody([&] {
            const bool foretold = CheckSaveTarget(path).ok;
            const FileResult result = Save(path);
            if (result.ok != foretold)
                return 253;
            return result.ok ? 0 : result.problem == FileProblem::CannotSave ? result.systemError : 254;
        });

        EXPECT_EQ(status, c.error) << c.name;
        EXPECT_EQ(dir.Names().size(), c.fileExists ? 1u : 0u) << c.name << ": nothing left beside it";
        struct stat st {};
        if (c.fileExists && stat(path.c_str(), &st) == 0) {
            EXPECT_EQ(ReadAll(path), c.error == 0 ? NewText : OldText) << c.name;
            EXPECT_EQ(st.st_uid, c.owner) << c.name;
            EXPECT_EQ(st.st_mode & 0777, c.fileMode) << c.name;
        }
    }
}

}  // namespace
