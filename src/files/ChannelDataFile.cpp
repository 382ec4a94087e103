#include "files/ChannelDataFile.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/AtomicFile.h"

FileResult OpenChannelFile(const std::string& path, RadioSettings& settings)
{
    // Read aside first, so that a short or unreadable file leaves the record as it was.
    std::array<uint8_t, RadioSettingsBlockSize> block{};
    size_t got = 0;
    const FileResult read = ReadFilePrefix(path, block.data(), block.size(), got);
    if (!read.ok)
        return read;
    if (got < block.size())
        return FileResult::WrongSize(FileProblem::ChannelFileTooShort, path, got, block.size());
    std::memcpy(settings.BlockBytes(), block.data(), block.size());
    return FileResult::Success();
}

FileResult SaveChannelFile(const std::string& path, const RadioSettings& settings)
{
    return WriteFileAtomically(path, settings.BlockBytes(), RadioSettingsBlockSize);
}

std::vector<RecordFinding> CheckChannelFile(const std::string& path, const RadioSettings& opened,
                                            const BandLimits& band)
{
    std::vector<RecordFinding> findings;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size != RadioSettingsBlockSize)
        findings.push_back({0, "file size", std::to_string(size), RecordProblem::WrongSize});
    for (RecordFinding& finding : CheckRecord(opened, band))
        findings.push_back(std::move(finding));
    return findings;
}
