#include "radio/RadioOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "model/Password.h"
#include "radio/RadioMemory.h"
#include "radio/SeveralLinks.h"

const char* const RadioUsage =
    "usage: kr-t27-radio --link PATH [--link PATH]... [--memory FILE] [--password TEXT]\n"
    "                    [--serial DIGITS] [--serial-bytes HEX] [--firmware TEXT]\n"
    "                    [--band-limits MIN MAX] [--no-pacing] [--sample]\n"
    "                    [--silent-from-step N] [--foreign-ident] [--wrong-first-byte STEP]\n"
    "                    [--nak-block N] [--long-band-answer] [--read-answer-r] [--flood]\n"
    "                    [--hangup-after-blocks N] [--long-block-answers] [--chatter N]\n"
    "                    [--wrong-byte ADDRESS] [--next-radio SERIAL[:MEMORY]]...\n"
    "                    [--swap-silence MS] [--sessions-per-radio K]\n"
    "Each --link plays the whole sequence on a line of its own, all at once. Link k (from 0)\n"
    "reports serial numbers k*1000 above link 0's (00000199 is 00001199 on link 1) and keeps its\n"
    "memory files with -k before the extension (memory.bin is memory-1.bin on link 1).\n";

namespace {

constexpr int LastStep = 3;
// More than a whole second of the line's bytes each time would be no chatter but a flood.
constexpr int MaxChatterBytes = 960;
// Longer than any dealer takes to swap a radio on the cable.
constexpr int MaxSwapSilenceMs = 3600 * 1000;
// Enough digits for any 32-bit value; longer texts cannot be one.
constexpr size_t MaxUnsignedDigits = 10;

using Arguments = std::vector<std::string>;

std::optional<uint64_t> ParseUnsigned(const std::string& text)
{
    if (text.empty() || text.size() > MaxUnsignedDigits || !std::all_of(text.begin(), text.end(), ::isdigit))
        return std::nullopt;
    return std::stoull(text);
}

std::optional<int> ParseCount(const std::string& text, int minimum, int maximum)
{
    const auto value = ParseUnsigned(text);
    if (!value || *value < uint64_t(minimum) || *value > uint64_t(maximum))
        return std::nullopt;
    return int(*value);
}

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

struct OptionRule {
    int valueCount;
    // Stores the values; returns an error text, empty on success.
    std::function<std::string(RadioOptions&, const Arguments&)> apply;
};

std::string SetFlag(bool& flag)
{
    flag = true;
    return {};
}

std::string SetCount(std::optional<int>& target, const std::string& text, int minimum, int maximum,
                     const char* what)
{
    target = ParseCount(text, minimum, maximum);
    return target ? std::string() : std::string(what) + " must be a number from " + std::to_string(minimum) +
                                        " to " + std::to_string(maximum);
}

std::string SetText(std::optional<std::string>& target, const std::string& text, size_t capacity, const char* what)
{
    if (text.size() > capacity || !IsPrintableAscii(text))
        return std::string(what) + " must be at most " + std::to_string(capacity) + " printable ASCII characters";
    target = text;
    return {};
}

std::string SetChatter(RadioOptions& o, const std::string& text)
{
    std::optional<int> count;
    const std::string error = SetCount(count, text, 1, MaxChatterBytes, "chatter");
    if (count)
        o.Faults.ChatterBytes = size_t(*count);
    return error;
}

std::string SetSerial(RadioOptions& o, const std::string& text)
{
    if (text.size() > RadioMemory::SerialNumberSize || !std::all_of(text.begin(), text.end(), ::isdigit))
        return "serial number must be at most 8 decimal digits";
    o.Serial = text;
    return {};
}

// A radio that reports what no serial number holds (control characters, say), given as hex bytes.
std::string SetSerialBytes(RadioOptions& o, const std::string& hex)
{
    constexpr int HexBase = 16;
    const bool wellFormed = !hex.empty() && hex.size() % 2 == 0 && hex.size() / 2 <= RadioMemory::SerialNumberSize &&
                            std::all_of(hex.begin(), hex.end(), ::isxdigit);
    if (!wellFormed)
        return "serial bytes must be 1 to 8 bytes as hex digits";
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2)
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, HexBase));
    o.Serial = bytes;
    return {};
}

std::string SetNextRadio(RadioOptions& o, const std::string& text)
{
    const size_t colon = text.find(':');
    NextRadio radio{text.substr(0, colon), colon == std::string::npos ? std::string() : text.substr(colon + 1)};
    if (radio.Serial.empty() || radio.Serial.size() > RadioMemory::SerialNumberSize ||
        !std::all_of(radio.Serial.begin(), radio.Serial.end(), ::isdigit))
        return "serial number must be 1 to 8 decimal digits";
    if (colon != std::string::npos && radio.MemoryPath.empty())
        return "memory file name missing after the colon";
    o.NextRadios.push_back(radio);
    return {};
}

std::string SetNumber(int& target, const std::string& text, int minimum, int maximum, const char* what)
{
    std::optional<int> value;
    const std::string error = SetCount(value, text, minimum, maximum, what);
    if (value)
        target = *value;
    return error;
}

std::string SetBand(RadioOptions& o, const Arguments& v)
{
    const auto low = ParseUnsigned(v[0]);
    const auto high = ParseUnsigned(v[1]);
    const uint64_t most = std::numeric_limits<uint32_t>::max();
    if (!low || !high || *low > *high || *high > most)
        return "band limits must be two frequencies in Hz, the lower first";
    o.Band = BandLimits{uint32_t(*low), uint32_t(*high)};
    return {};
}

const std::map<std::string, OptionRule>& Rules()
{
    static const std::map<std::string, OptionRule> rules = {
        {"--link", {1, [](RadioOptions& o, const Arguments& v) { o.LinkPaths.push_back(v[0]); return std::string(); }}},
        {"--memory", {1, [](RadioOptions& o, const Arguments& v) { o.MemoryPath = v[0]; return std::string(); }}},
        {"--password",
         {1, [](RadioOptions& o, const Arguments& v) { return SetText(o.Password, v[0], PasswordMaxLength, "password"); }}},
        {"--serial", {1, [](RadioOptions& o, const Arguments& v) { return SetSerial(o, v[0]); }}},
        {"--serial-bytes", {1, [](RadioOptions& o, const Arguments& v) { return SetSerialBytes(o, v[0]); }}},
        {"--firmware",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetText(o.Firmware, v[0], RadioMemory::FirmwareSize, "firmware text");
          }}},
        {"--band-limits", {2, SetBand}},
        {"--no-pacing", {0, [](RadioOptions& o, const Arguments&) { o.Pacing = false; return std::string(); }}},
        {"--sample", {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Sample); }}},
        {"--silent-from-step",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetCount(o.Faults.SilentFromStep, v[0], 0, LastStep, "step");
          }}},
        {"--foreign-ident", {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Faults.ForeignIdent); }}},
        {"--wrong-first-byte",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetCount(o.Faults.WrongFirstByteStep, v[0], 0, LastStep, "step");
          }}},
        {"--nak-block",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetCount(o.Faults.NakBlock, v[0], 1, std::numeric_limits<int>::max(), "block");
          }}},
        {"--long-band-answer",
         {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Faults.LongBandAnswer); }}},
        {"--read-answer-r", {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Faults.ReadAnswerR); }}},
        {"--flood", {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Faults.Flood); }}},
        {"--hangup-after-blocks",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetCount(o.Faults.HangupAfterBlocks, v[0], 0, std::numeric_limits<int>::max(), "block count");
          }}},
        {"--long-block-answers",
         {0, [](RadioOptions& o, const Arguments&) { return SetFlag(o.Faults.LongBlockAnswers); }}},
        {"--chatter", {1, [](RadioOptions& o, const Arguments& v) { return SetChatter(o, v[0]); }}},
        {"--wrong-byte",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetCount(o.Faults.WrongByteAddress, v[0], RadioMemory::FirstAddress,
                              int(RadioMemory::EndAddress) - 1, "address");
          }}},
        {"--next-radio", {1, [](RadioOptions& o, const Arguments& v) { return SetNextRadio(o, v[0]); }}},
        {"--swap-silence",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetNumber(o.SwapSilenceMs, v[0], 0, MaxSwapSilenceMs, "silence");
          }}},
        {"--sessions-per-radio",
         {1, [](RadioOptions& o, const Arguments& v) {
              return SetNumber(o.SessionsPerRadio, v[0], 1, std::numeric_limits<int>::max(), "session count");
          }}},
    };
    return rules;
}

// Every link must be able to play its copy of the sequence. A serial number that only a memory
// file holds is checked when the file is read.
std::string CheckLinks(const RadioOptions& o)
{
    if (o.LinkPaths.empty())
        return "--link PATH is required";
    if (std::set<std::string>(o.LinkPaths.begin(), o.LinkPaths.end()).size() != o.LinkPaths.size())
        return "--link: each link needs a path of its own";
    std::vector<RadioOptions> links;
    for (size_t link = 0; link < o.LinkPaths.size(); ++link) {
        std::optional<RadioOptions> onLink = OptionsOnLink(o, link, o.Serial.value_or(""));
        if (!onLink)
            return "--link: on several links the serial numbers must be decimal digits that still fit 8 digits "
                   "with 1000 added per link";
        links.push_back(std::move(*onLink));
    }
    if (const std::string shared = MemoryFileOnTwoLinks(links); !shared.empty())
        return "--link: the memory file " + shared + " would be used on two links";
    return {};
}

}

ParsedRadioOptions ParseRadioOptions(const std::vector<std::string>& arguments)
{
    RadioOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const auto rule = Rules().find(arguments[i]);
        if (rule == Rules().end())
            return {std::nullopt, "unknown option " + arguments[i]};
        const size_t valueCount = size_t(rule->second.valueCount);
        if (i + valueCount >= arguments.size())
            return {std::nullopt, arguments[i] + " needs " + std::to_string(valueCount) + " value(s)"};
        const Arguments values(arguments.begin() + std::ptrdiff_t(i + 1),
                               arguments.begin() + std::ptrdiff_t(i + 1 + valueCount));
        const std::string error = rule->second.apply(options, values);
        if (!error.empty())
            return {std::nullopt, arguments[i] + ": " + error};
        i += valueCount;
    }
    if (const std::string error = CheckLinks(options); !error.empty())
        return {std::nullopt, error};
    return {options, {}};
}
