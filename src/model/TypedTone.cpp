#include "model/TypedTone.h"

#include <string>

namespace {

constexpr size_t MostCtcssWholeDigits = 3;
constexpr size_t DcsDigits = 3;
constexpr const char* OffText = "Off";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctal(char c) { return c >= '0' && c <= '7'; }

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
}

bool AllOf(std::string_view text, bool (*is)(char))
{
    for (char c : text)
        if (!is(c))
            return false;
    return true;
}

// "67" and "67." stand for the list's "67.0".
std::string CtcssListText(const std::string& typed)
{
    const std::string whole = typed.back() == '.' ? typed.substr(0, typed.size() - 1) : typed;
    if (whole.empty() || whole.size() > MostCtcssWholeDigits || !AllOf(whole, IsDigit))
        return {};
    return whole + ".0";
}

// "23N", "D23I" and "D23" stand for the list's "D023N" and "D023I"; digits alone are a frequency.
std::string DcsListText(std::string typed)
{
    const bool marked = typed.front() == 'D';
    if (marked)
        typed.erase(0, 1);
    char suffix = 'N';
    if (!typed.empty() && (typed.back() == 'N' || typed.back() == 'I')) {
        suffix = typed.back();
        typed.pop_back();
    } else if (!marked) {
        return {};
    }
    if (typed.empty() || typed.size() > DcsDigits || !AllOf(typed, IsOctal))
        return {};
    return "D" + std::string(DcsDigits - typed.size(), '0') + typed + suffix;
}

}

bool ParseTypedTone(std::string_view typed, ToneType& type, ToneCode& code)
{
    if (ParseToneText(typed, type, code))
        return true;
    const std::string upper = UpperCase(typed);
    if (upper.empty() || upper == UpperCase(OffText))
        return ParseToneText(OffText, type, code);
    for (const std::string& listText : {CtcssListText(upper), DcsListText(upper)})
        if (!listText.empty() && ParseToneText(listText, type, code))
            return true;
    return false;
}
