// Opening any file as a channel data file: a file shorter than the record is refused and changes
// nothing; a longer one gives its first 3128 bytes and leaves the last-programmed stamp alone; an
// opened record saves and opens again unchanged.
//
// Only whether a load or save succeeded is used, not how it reports a failure.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "files/ChannelDataFile.h"

namespace {

bool Opened(const std::string& path, RadioSettings& settings) { return OpenChannelFile(path, settings).ok; }
bool Saved(const std::string& path, const RadioSettings& settings) { return SaveChannelFile(path, settings).ok; }

// A record no file gives, so every byte an open fails to replace shows.
RadioSettings Marked(uint8_t mark)
{
    RadioSettings s;
    std::memset(&s, mark, sizeof s);
    return s;
}

bool Same(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = ScratchPath("input.Kqd");
    static const std::string saved = ScratchPath("saved.Kqd");
    WriteScratchFile(input, data, size);

    const RadioSettings before = Marked(0xA5);
    RadioSettings record = before;
    const bool opened = Opened(input, record);
    FUZZ_REQUIRE(opened == (size >= RadioSettingsBlockSize));
    if (!opened) {
        FUZZ_REQUIRE(Same(record, before));
        return 0;
    }
    FUZZ_REQUIRE(std::memcmp(record.BlockBytes(), data, RadioSettingsBlockSize) == 0);
    FUZZ_REQUIRE(std::memcmp(record.BlockBytes() + RadioSettingsBlockSize, before.BlockBytes() + RadioSettingsBlockSize,
                             sizeof record - RadioSettingsBlockSize) == 0);

    FUZZ_REQUIRE(Saved(saved, record));
    RadioSettings reopened = record;
    std::memset(reopened.BlockBytes(), 0x5A, RadioSettingsBlockSize);
    FUZZ_REQUIRE(Opened(saved, reopened));
    FUZZ_REQUIRE(Same(reopened, record));
    return 0;
}
