#include "lang/RecordText.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "model/RadioSettings.h"
#include "text/GbkEncoding.h"
#include "text/Utf8.h"

namespace {

constexpr char Replacement = '?';

struct EncodedName {
    std::string gbk;
    bool replaced = false;
    bool cut = false;
};

// Character by character, so that one without a GBK form costs one byte, as in the record; the
// first character that would not fit ends the name.
EncodedName Encoded(std::string_view utf8, size_t capacity)
{
    EncodedName name;
    for (size_t i = 0; i < utf8.size();) {
        // A byte that starts no character stands alone, and has no GBK form.
        const size_t length = std::max<size_t>(Utf8CharacterLength(utf8, i), 1);
        const std::string_view character = utf8.substr(i, length);
        i += length;
        // A zero byte would end the name in the record.
        std::optional<std::string> gbk = character[0] == '\0' ? std::nullopt : TryUtf8ToGbk(character);
        if (!gbk || gbk->empty()) {
            gbk = std::string(1, Replacement);
            name.replaced = true;
        }
        if (name.gbk.size() + gbk->size() > capacity) {
            name.cut = true;
            break;
        }
        name.gbk += *gbk;
    }
    return name;
}

}

std::string RecordTextUtf8(const uint8_t* bytes, size_t capacity)
{
    const uint8_t* end = std::find(bytes, bytes + capacity, uint8_t{0});
    return GbkToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), size_t(end - bytes)));
}

Entered<std::string> NameEntry(std::string_view utf8, size_t capacity)
{
    const EncodedName name = Encoded(utf8, capacity);
    const EntryOutcome outcome = name.replaced || name.cut ? EntryOutcome::CharactersDropped : EntryOutcome::Accepted;
    return {name.gbk, outcome, std::string(utf8), GbkToUtf8(name.gbk)};
}

void StoreRecordText(const std::string& gbk, uint8_t* bytes, size_t capacity)
{
    std::memset(bytes, 0, capacity);
    std::memcpy(bytes, gbk.data(), std::min(capacity, gbk.size()));
}

std::string CorrectNameText(const std::string& utf8)
{
    return Encoded(utf8, NameCapacity).cut ? WithoutLastCharacter(utf8) : utf8;
}
