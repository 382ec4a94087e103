// The record's JSON form: any text either changes the record or is refused leaving it untouched;
// a record's own JSON applied to it changes nothing; and every document the reader takes is
// written in a form that reads back to the same writing.
//
// Input: the JSON text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "FuzzCheck.h"
#include "files/JsonValue.h"
#include "files/RecordJson.h"

namespace {

bool Same(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckWritingReadsBack(std::string_view text)
{
    JsonSyntaxError error;
    const auto document = ParseJson(text, error);
    if (!document)
        return;
    const std::string written = WriteJson(*document);
    const auto reread = ParseJson(written, error);
    FUZZ_REQUIRE(reread.has_value());
    FUZZ_REQUIRE(WriteJson(*reread) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckWritingReadsBack(text);

    RadioSettings settings;
    settings.ResetToDefaults();
    const RadioSettings before = settings;
    if (ApplyRecordJson(text, settings)) {
        FUZZ_REQUIRE(Same(settings, before));
        return 0;
    }
    const RadioSettings applied = settings;
    FUZZ_REQUIRE(!ApplyRecordJson(RecordJson(applied), settings));
    FUZZ_REQUIRE(Same(settings, applied));
    return 0;
}
