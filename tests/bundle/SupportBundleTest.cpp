#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "EnvOverride.h"
#include "FakeDeviceTree.h"
#include "FileContents.h"
#include "FileModes.h"
#include "ScratchDir.h"
#include "ZipReaders.h"
#include "bundle/LastTransferTrace.h"
#include "bundle/LocalBundleSources.h"
#include "files/ProgrammingLog.h"

namespace {

constexpr std::time_t Made = 1796718612;

std::map<std::string, std::string> ByName(const std::vector<ZipMember>& members)
{
    std::map<std::string, std::string> files;
    for (const ZipMember& member : members)
        files[member.Name] = member.Bytes;
    return files;
}

std::vector<std::string> NamesOf(const std::vector<ZipMember>& members)
{
    std::vector<std::string> names;
    for (const ZipMember& member : members)
        names.push_back(member.Name);
    return names;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// A data folder with the trace of a transfer in which the radio reported its password "secret",
// 25 backups of one radio a minute apart and a newer one of another radio.
class SupportBundle : public ::testing::Test {
protected:
    SupportBundle() : dataHome_("XDG_DATA_HOME", data_.Path())
    {
        const std::string password = "secret";
        TransferTrace trace;
        trace.Note(0, "port /dev/ttyUSB0");
        trace.Received(10, reinterpret_cast<const uint8_t*>(password.data()), password.size(), {0, password.size()});
        EXPECT_TRUE(KeepLastTransferTrace(trace).ok);
        for (int minute = 10; minute < 35; ++minute) {
            const std::string base = "backups/0123456/20261208-09" + std::to_string(minute) + "00-read";
            MakeFile(base + ".Kqd");
            MakeFile(base + ".img");
        }
        MakeFile("backups/7654321/20261209-080000-write.Kqd");
        MakeFile("backups/0123456/notes.txt");
        WriteAll(settings_.File("KR-T27_config.ini"), "[config]\nLanguage=0\n");
        tree_.AddUsbTty("ttyUSB0", "Prolific Technology Inc.", "USB-Serial Controller", "pl2303");
    }

    void MakeFile(const std::string& relative)
    {
        const std::filesystem::path path = std::filesystem::path(data_.Path()) / "kr-t27" / relative;
        std::filesystem::create_directories(path.parent_path());
        WriteAll(path.string(), "x");
    }

    BundlePlaces Places() const { return {"kr-t27 3.2.0", settings_.File("KR-T27_config.ini"), tree_.Lookup()}; }

    ScratchDir data_;
    EnvOverride dataHome_;
    ScratchDir settings_;
    FakeDeviceTree tree_;
};

TEST_F(SupportBundle, HoldsWhatItsReadmeDescribesAndNamesWhatIsMissing)
{
    ScratchDir out;
    const std::string archive = out.File("bundle.zip");
    ASSERT_TRUE(SaveSupportBundle(archive, LocalBundleSources(Places(), Made), TTeskFuncs::LangEnglish).ok);
    EXPECT_EQ(PermissionsOf(archive), 0600u);

    const std::vector<ZipMember> members = ZipfileMembers(archive);
    const std::vector<std::string> names = {"README.txt", "version.txt", "KR-T27_config.ini", "ports.txt",
                                            "last-transfer.trace", "backups.txt"};
    EXPECT_EQ(NamesOf(members), names);
    std::map<std::string, std::string> files = ByName(members);
    const std::vector<std::string> readme = LinesOf(files["README.txt"]);
    ASSERT_EQ(readme.size(), 8u) << files["README.txt"];
    EXPECT_EQ(readme[0].rfind("Support bundle of kr-t27 3.2.0, made on this computer at 2026-", 0), 0u) << readme[0];
    EXPECT_EQ(readme[2], "version.txt: the program's version and the computer's system");
    EXPECT_EQ(readme[3], "KR-T27_config.ini: the program's settings as it keeps them");
    EXPECT_EQ(readme[6], "backups.txt: the files of the newest 20 backups, newest first");
    EXPECT_EQ(readme[7], "programming-log.csv: not included: there is none yet");

    EXPECT_EQ(files["KR-T27_config.ini"], "[config]\nLanguage=0\n");
    EXPECT_EQ(files["last-transfer.trace"], "+0.000 # port /dev/ttyUSB0\n+0.010 < ** ** ** ** ** **\n");
    EXPECT_EQ(PermissionsOf(LastTransferTracePath()), 0600u);
    EXPECT_EQ(LinesOf(files["ports.txt"]).at(1),
              "COM1\t" + tree_.DevPath("ttyUSB0") + "\tProlific Technology Inc. USB-Serial Controller (pl2303)\tsystem");
    const std::vector<std::string> backups = LinesOf(files["backups.txt"]);
    ASSERT_EQ(backups.size(), 39u);
    EXPECT_EQ(backups[0], "7654321/20261209-080000-write.Kqd");
    EXPECT_EQ(backups[1], "0123456/20261208-093400-read.Kqd");
    EXPECT_EQ(backups[2], "0123456/20261208-093400-read.img");
    EXPECT_EQ(backups.back(), "0123456/20261208-091600-read.img");
    EXPECT_EQ(LinesOf(files["version.txt"]).at(0), "kr-t27 3.2.0");
}

TEST_F(SupportBundle, KeepsTheLogsHeaderAndItsLastRows)
{
    std::vector<std::string> rows;
    ProgrammingLogRow logged;
    for (int row = 1; row <= 60; ++row) {
        logged.Serial = "row " + std::to_string(row);
        rows.push_back(ProgrammingLogLine(logged));
    }
    SupportBundleSources sources = LocalBundleSources(Places(), Made);
    sources.ProgrammingLog = BundleFile::Of(ProgrammingLogText(rows));

    std::map<std::string, std::string> files;
    for (ZipEntry& entry : SupportBundleEntries(sources, TTeskFuncs::LangEnglish))
        files[entry.Name] = entry.Bytes;
    const std::vector<std::string> log = LinesOf(files["programming-log.csv"]);
    ASSERT_EQ(log.size(), 51u);
    EXPECT_EQ(log.front(), ProgrammingLogHeader);
    EXPECT_EQ(log[1], rows[10]);
    EXPECT_EQ(log.back(), rows.back());
    EXPECT_EQ(LinesOf(files["README.txt"]).back(),
              "programming-log.csv: the last 50 rows of the programming log, with its header");
}

// The bundle never takes the place of a file it holds, nor of anything a save would refuse.
TEST_F(SupportBundle, IsRefusedWhereItWouldDestroyAFile)
{
    ScratchDir out;
    const auto heldSettings = WhyBundleTargetRefused(Places(), settings_.File("KR-T27_config.ini"));
    ASSERT_TRUE(heldSettings);
    EXPECT_EQ(heldSettings->id, MessageId::BundleTargetHeld);
    const auto heldTrace = WhyBundleTargetRefused(Places(), LastTransferTracePath());
    ASSERT_TRUE(heldTrace);
    EXPECT_EQ(heldTrace->id, MessageId::BundleTargetHeld);
    const auto folder = WhyBundleTargetRefused(Places(), out.Path());
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->id, MessageId::NotAFileToSave);
    EXPECT_FALSE(WhyBundleTargetRefused(Places(), out.File("bundle.zip")));
    EXPECT_EQ(SaveSupportBundle(out.Path(), LocalBundleSources(Places(), Made), TTeskFuncs::LangEnglish).problem,
              FileProblem::NotAFileToSave);
}

}  // namespace
