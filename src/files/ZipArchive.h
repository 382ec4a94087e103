#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// One file of an archive: its name (UTF-8, folders separated by '/') and its bytes.
struct ZipEntry {
    std::string Name;
    std::string Bytes;
};

// The most entries and bytes an archive without the 64-bit extensions can hold.
constexpr size_t ZipMostEntries = 0xFFFF;
constexpr size_t ZipMostBytes = 0xFFFFFFFF;

// A ZIP archive of the entries in their order, each stored as it is (a support bundle is small
// and read once, so nothing is compressed), every name marked as UTF-8 and every entry stamped
// with the local time of `modified`. An entry opens for its owner alone once unpacked, since what
// goes into an archive may carry a radio's password. Nothing when the archive would need the
// 64-bit extensions: more than ZipMostEntries entries, or more than ZipMostBytes in all.
std::optional<std::string> StoredZipArchive(const std::vector<ZipEntry>& entries, std::time_t modified);

// The CRC-32 of ZIP (and of PNG and Ethernet): reflected polynomial 0xEDB88320.
uint32_t ZipCrc32(const std::string& bytes);
