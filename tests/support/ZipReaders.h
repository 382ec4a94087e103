#pragma once

#include <string>
#include <vector>

// A ZIP archive as two readers that owe the program nothing read it: Info-ZIP's unzip and Python's
// zipfile. Both are asked by a shell command, so the archive is checked the way a user would open it.

// What zipfile finds in one entry.
struct ZipMember {
    std::string Name;
    std::string Bytes;
    unsigned Flags = 0;
    unsigned Method = 0;
    unsigned UnixMode = 0;
    // "2026-12-08 09:30:12", as the entry's MS-DOS stamp gives it
    std::string Modified;
};

// "unzip -tq": whether it found every entry whole (each checked against its CRC).
bool UnzipFindsNoErrors(const std::string& archive);

// "unzip -Z1": the entries' names, in the archive's order.
std::vector<std::string> UnzipNames(const std::string& archive);

// zipfile's reading of every entry, in the archive's order, after its testzip() found every CRC
// right; nothing when it could not read the archive or a CRC was wrong.
std::vector<ZipMember> ZipfileMembers(const std::string& archive);
