#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the edit boxes let through while they are typed into. Texts are UTF-8 and counted in
// characters. Control characters (below 32, and 127) always pass the key filters, so the
// character rules only judge printable characters.

// What a typed character becomes: itself, another character, or nothing (dropped).
using TypedCharacterRule = std::optional<char32_t> (*)(char32_t typed);

std::optional<char32_t> GridFrequencyCharacter(char32_t typed);   // digits and "."
std::optional<char32_t> BatchFrequencyCharacter(char32_t typed);  // digits, "." and anything beyond ASCII
std::optional<char32_t> ToneCharacter(char32_t typed);            // digits, ".", D, N, I (upper-cased)
std::optional<char32_t> DtmfCharacter(char32_t typed);            // digits, *, #, A-D (upper-cased)

// A whole text passed through a character rule, as if it was typed key by key: for a box that gets
// its text other than by keys. Bytes that are no UTF-8 are dropped.
std::string FilteredText(std::string_view typed, TypedCharacterRule rule);

// One correction step applied after a change; a box repeats it until the text stands.
using TextCorrection = std::string (*)(const std::string& text);

// 9 characters at most, no lone point, only the first of several points.
std::string CorrectFrequencyText(const std::string& text);
// 9 characters at most; the point only as the fourth character, digits everywhere else.
std::string CorrectBatchFrequencyText(const std::string& text);
std::string CorrectToneText(const std::string& text);  // 5 characters at most
std::string CorrectDtmfText(const std::string& text);  // 10 symbols at most

// Applies `correct` until the text no longer changes.
std::string CorrectedText(std::string text, TextCorrection correct);

// What a box holds once `typed` is put into it as one change, a paste or a key: each character
// through the key filter `rule` (none lets every one pass), then the change rule `correct`.
std::string TypedText(std::string_view typed, TypedCharacterRule rule, TextCorrection correct);
