#include "lang/RecordText.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "model/RadioSettings.h"
#include "text/GbkEncoding.h"
#include "text/Utf8.h"

std::string RecordTextUtf8(const uint8_t* bytes, size_t capacity)
{
    const uint8_t* end = std::find(bytes, bytes + capacity, uint8_t{0});
    return GbkToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), size_t(end - bytes)));
}

Entered<std::string> NameEntry(std::string_view utf8, size_t capacity)
{
    const FittedGbk name = FitToGbk(utf8, capacity);
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
    return FitToGbk(utf8, NameCapacity).cut ? WithoutLastCharacter(utf8) : utf8;
}
