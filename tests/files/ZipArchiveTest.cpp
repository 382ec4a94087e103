#include <gtest/gtest.h>

#include <cstdio>

#include "FileContents.h"
#include "ScratchDir.h"
#include "ZipReaders.h"
#include "files/ZipArchive.h"
#include "model/LocalClock.h"

namespace {

constexpr unsigned Utf8NameFlag = 0x800;
constexpr unsigned OwnerOnlyRegularFile = 0100600;

std::string EveryByte()
{
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes += char(value);
    return bytes;
}

// The entry's stamp as zipfile shows it: the local time, seconds rounded down to even.
std::string DosStamp(std::time_t moment)
{
    const std::tm t = LocalTime(moment);
    // Room for every field at any int, which the compiler cannot rule out.
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec / 2 * 2);
    return text;
}

std::string Saved(const ScratchDir& dir, const std::vector<ZipEntry>& entries, std::time_t modified)
{
    const std::optional<std::string> archive = StoredZipArchive(entries, modified);
    if (!archive)
        return {};
    WriteAll(dir.File("archive.zip"), *archive);
    return dir.File("archive.zip");
}

TEST(ZipArchive, UnzipAndZipfileReadEveryEntryBackAsWritten)
{
    const std::vector<ZipEntry> entries = {
        {"README.txt", "What each file is.\r\n"},
        {"empty.trace", ""},
        {"日志/编程记录.csv", "time,serial\r\n"},
        {"every-byte.bin", EveryByte()},
    };
    const std::time_t modified = 1796718613;
    ScratchDir dir;
    const std::string archive = Saved(dir, entries, modified);
    ASSERT_FALSE(archive.empty());

    EXPECT_TRUE(UnzipFindsNoErrors(archive));
    const std::vector<std::string> expectedNames = {"README.txt", "empty.trace", "日志/编程记录.csv", "every-byte.bin"};
    EXPECT_EQ(UnzipNames(archive), expectedNames);
    const std::vector<ZipMember> members = ZipfileMembers(archive);
    ASSERT_EQ(members.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].Name);
        EXPECT_EQ(members[i].Name, entries[i].Name);
        EXPECT_EQ(members[i].Bytes, entries[i].Bytes);
        EXPECT_EQ(members[i].Flags & Utf8NameFlag, Utf8NameFlag);
        EXPECT_EQ(members[i].Method, 0u);
        EXPECT_EQ(members[i].UnixMode, OwnerOnlyRegularFile);
        EXPECT_EQ(members[i].Modified, DosStamp(modified));
    }
}

TEST(ZipArchive, AClockBefore1980StampsTheFirstYearTheFormatHas)
{
    ScratchDir dir;
    const std::vector<ZipMember> members = ZipfileMembers(Saved(dir, {{"a.txt", "a"}}, 0));
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].Modified.substr(0, 5), "1980-");
}

TEST(ZipArchive, RefusesWhatOnlyTheSixtyFourBitExtensionsCouldHold)
{
    EXPECT_FALSE(StoredZipArchive(std::vector<ZipEntry>(ZipMostEntries + 1), 0));
    EXPECT_EQ(ZipCrc32("123456789"), 0xCBF43926u);
}

}  // namespace
