#include "files/ZipArchive.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/ByteOrder.h"
#include "model/LocalClock.h"

namespace {

// The records of the format, as they lie in the file.
struct LocalFileHeader {
    LeU32 Signature;
    LeU16 VersionNeeded;
    LeU16 Flags;
    LeU16 Method;
    LeU16 Time;
    LeU16 Date;
    LeU32 Crc;
    LeU32 CompressedSize;
    LeU32 Size;
    LeU16 NameLength;
    LeU16 ExtraLength;
};

struct CentralDirectoryHeader {
    LeU32 Signature;
    LeU16 VersionMadeBy;
    LeU16 VersionNeeded;
    LeU16 Flags;
    LeU16 Method;
    LeU16 Time;
    LeU16 Date;
    LeU32 Crc;
    LeU32 CompressedSize;
    LeU32 Size;
    LeU16 NameLength;
    LeU16 ExtraLength;
    LeU16 CommentLength;
    LeU16 FirstDisk;
    LeU16 InternalAttributes;
    LeU32 ExternalAttributes;
    LeU32 LocalHeaderOffset;
};

struct EndOfCentralDirectory {
    LeU32 Signature;
    LeU16 ThisDisk;
    LeU16 DirectoryDisk;
    LeU16 EntriesOnDisk;
    LeU16 Entries;
    LeU32 DirectorySize;
    LeU32 DirectoryOffset;
    LeU16 CommentLength;
};

static_assert(sizeof(LocalFileHeader) == 30 && alignof(LocalFileHeader) == 1);
static_assert(offsetof(LocalFileHeader, Crc) == 14 && offsetof(LocalFileHeader, NameLength) == 26);
static_assert(sizeof(CentralDirectoryHeader) == 46 && alignof(CentralDirectoryHeader) == 1);
static_assert(offsetof(CentralDirectoryHeader, Crc) == 16 && offsetof(CentralDirectoryHeader, ExternalAttributes) == 38);
static_assert(offsetof(CentralDirectoryHeader, LocalHeaderOffset) == 42);
static_assert(sizeof(EndOfCentralDirectory) == 22 && alignof(EndOfCentralDirectory) == 1);
static_assert(offsetof(EndOfCentralDirectory, DirectoryOffset) == 16);

constexpr uint32_t LocalFileSignature = 0x04034B50;
constexpr uint32_t CentralDirectorySignature = 0x02014B50;
constexpr uint32_t EndSignature = 0x06054B50;
// 2.0, the version every unzip reads; the high byte of "made by" says Unix, so that the
// external attributes hold a Unix mode.
constexpr uint16_t FormatVersion = 20;
constexpr uint16_t MadeOnUnix = 3 << 8;
constexpr uint16_t NameIsUtf8 = 1 << 11;
constexpr uint16_t Stored = 0;
constexpr uint32_t OwnerOnlyRegularFile = 0100600;
constexpr int UnixModeShift = 16;
constexpr size_t MostNameBytes = 0xFFFF;

constexpr uint32_t CrcPolynomial = 0xEDB88320;
constexpr int BitsPerByte = 8;
constexpr size_t ByteValues = 256;

// MS-DOS dates: the years since 1980 in seven bits above the month and the day, the hour above
// the minute and the seconds halved. A clock outside those years stamps the nearest one.
constexpr int FirstTmYear = 1900;
constexpr int FirstDosYear = 1980;
constexpr int LastDosYear = 2107;
constexpr int DosYearShift = 9;
constexpr int DosMonthShift = 5;
constexpr int DosHourShift = 11;
constexpr int DosMinuteShift = 5;
constexpr int LastSecond = 59;

struct DosMoment {
    uint16_t Time;
    uint16_t Date;
};

DosMoment DosMomentOf(std::time_t modified)
{
    const std::tm t = LocalTime(modified);
    const int year = std::clamp(t.tm_year + FirstTmYear, FirstDosYear, LastDosYear);
    const int second = std::min(t.tm_sec, LastSecond);
    return {uint16_t((t.tm_hour << DosHourShift) | (t.tm_min << DosMinuteShift) | (second / 2)),
            uint16_t(((year - FirstDosYear) << DosYearShift) | ((t.tm_mon + 1) << DosMonthShift) | t.tm_mday)};
}

constexpr std::array<uint32_t, ByteValues> CrcTable()
{
    std::array<uint32_t, ByteValues> table{};
    for (uint32_t value = 0; value < ByteValues; ++value) {
        uint32_t crc = value;
        for (int bit = 0; bit < BitsPerByte; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ CrcPolynomial : crc >> 1;
        table[value] = crc;
    }
    return table;
}

template <typename Record>
void Append(std::string& out, const Record& record)
{
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
}

bool Fits(const std::vector<ZipEntry>& entries)
{
    if (entries.size() > ZipMostEntries)
        return false;
    size_t total = sizeof(EndOfCentralDirectory);
    for (const ZipEntry& entry : entries) {
        if (entry.Name.size() > MostNameBytes || entry.Bytes.size() > ZipMostBytes)
            return false;
        total += sizeof(LocalFileHeader) + sizeof(CentralDirectoryHeader) + 2 * entry.Name.size() +
                 entry.Bytes.size();
        if (total > ZipMostBytes)
            return false;
    }
    return true;
}

}  // namespace

uint32_t ZipCrc32(const std::string& bytes)
{
    static constexpr std::array<uint32_t, ByteValues> Table = CrcTable();
    uint32_t crc = 0xFFFFFFFF;
    for (const char c : bytes)
        crc = Table[(crc ^ uint8_t(c)) & 0xFF] ^ (crc >> BitsPerByte);
    return crc ^ 0xFFFFFFFF;
}

std::optional<std::string> StoredZipArchive(const std::vector<ZipEntry>& entries, std::time_t modified)
{
    if (!Fits(entries))
        return std::nullopt;
    const DosMoment when = DosMomentOf(modified);
    std::string archive;
    std::string directory;
    for (const ZipEntry& entry : entries) {
        const uint32_t crc = ZipCrc32(entry.Bytes);
        const auto size = uint32_t(entry.Bytes.size());
        const auto nameLength = uint16_t(entry.Name.size());

        CentralDirectoryHeader central{};
        central.Signature = CentralDirectorySignature;
        central.VersionMadeBy = uint16_t(MadeOnUnix | FormatVersion);
        central.VersionNeeded = FormatVersion;
        central.Flags = NameIsUtf8;
        central.Method = Stored;
        central.Time = when.Time;
        central.Date = when.Date;
        central.Crc = crc;
        central.CompressedSize = size;
        central.Size = size;
        central.NameLength = nameLength;
        central.ExternalAttributes = OwnerOnlyRegularFile << UnixModeShift;
        central.LocalHeaderOffset = uint32_t(archive.size());
        Append(directory, central);
        directory += entry.Name;

        LocalFileHeader local{};
        local.Signature = LocalFileSignature;
        local.VersionNeeded = FormatVersion;
        local.Flags = NameIsUtf8;
        local.Method = Stored;
        local.Time = when.Time;
        local.Date = when.Date;
        local.Crc = crc;
        local.CompressedSize = size;
        local.Size = size;
        local.NameLength = nameLength;
        Append(archive, local);
        archive += entry.Name;
        archive += entry.Bytes;
    }
    EndOfCentralDirectory end{};
    end.Signature = EndSignature;
    end.EntriesOnDisk = uint16_t(entries.size());
    end.Entries = uint16_t(entries.size());
    end.DirectorySize = uint32_t(directory.size());
    end.DirectoryOffset = uint32_t(archive.size());
    archive += directory;
    Append(archive, end);
    return archive;
}
