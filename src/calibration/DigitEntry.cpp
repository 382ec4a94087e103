#include "calibration/DigitEntry.h"

namespace {

constexpr char32_t FirstPrintable = 32;
constexpr char32_t LastPrintable = 126;

bool IsDigit(char32_t code) { return code >= '0' && code <= '9'; }

}

bool DropsTypedCharacter(char32_t code, bool takesPoint)
{
    if (code < FirstPrintable || code > LastPrintable || IsDigit(code))
        return false;
    return !(takesPoint && code == '.');
}
