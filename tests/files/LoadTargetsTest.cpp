#include <gtest/gtest.h>

#include <functional>

#include "FileContents.h"
#include "ScratchDir.h"
#include "DeviceNodes.h"
#include "files/AppSettings.h"
#include "files/AtomicFile.h"
#include "files/ChannelDataFile.h"

// Loading anything but a plain file is refused at once: a pipe would keep the program waiting for
// a writer, a device would feed it endless bytes.

namespace {

const NodeKind Nodes[] = {NodeKind::Pipe, NodeKind::Device, NodeKind::Folder};

TEST(LoadTargets, FoldersDevicesAndPipesAreRefusedWithoutWaiting)
{
    const struct {
        const char* name;
        std::function<FileResult(const std::string&)> load;
    } loaders[] = {
        {"file prefix",
         [](const std::string& path) {
             uint8_t bytes[16];
             size_t got = 0;
             return ReadFilePrefix(path, bytes, sizeof bytes, got);
         }},
        {"channel data file",
         [](const std::string& path) {
             RadioSettings settings;
             return OpenChannelFile(path, settings);
         }},
        {"settings file, read before it is saved",
         [](const std::string& path) { return SaveAppSettings(path, AppSettings()); }},
    };
    for (const auto& loader : loaders) {
        for (const NodeKind kind : Nodes) {
            ScratchDir dir;
            const std::string node = dir.File("node");
            if (!MakeNode(kind, node))
                continue;  // no device nodes without the privilege
            const std::string before = NodeAt(node);

            FileResult result;
            EXPECT_FALSE(WaitedOnPipe(node, [&] { result = loader.load(node); })) << loader.name;
            EXPECT_EQ(result.problem, FileProblem::NotAFileToOpen) << loader.name << ", " << before;
            EXPECT_EQ(result.path, node);
            EXPECT_EQ(NodeAt(node), before);
        }
    }
}

}  // namespace
