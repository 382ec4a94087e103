#include "calibration/SerialNumber.h"

#include <algorithm>
#include <cstring>

#include "text/Utf8.h"

bool IsSnText(std::string_view text)
{
    return text.size() <= DeviceSnSize && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string SnText(const uint8_t (&sn)[DeviceSnSize])
{
    const uint8_t* end = std::find(sn, sn + DeviceSnSize, 0);
    return std::string(sn, end);
}

std::string CorrectedSnText(const std::string& text) { return CutToCharacters(text, DeviceSnSize); }

void SetSnText(uint8_t (&sn)[DeviceSnSize], std::string_view text)
{
    std::memset(sn, 0, DeviceSnSize);
    std::copy_n(text.begin(), std::min(text.size(), DeviceSnSize), sn);
}

void StepSn(uint8_t (&sn)[DeviceSnSize], SnStep step)
{
    const uint8_t wraps = step == SnStep::Up ? '9' : '0';
    const uint8_t wrapsTo = step == SnStep::Up ? '0' : '9';
    const int delta = step == SnStep::Up ? 1 : -1;
    for (size_t i = SnText(sn).size(); i-- > 0;) {
        if (sn[i] != wraps) {
            sn[i] = uint8_t(sn[i] + delta);
            return;
        }
        sn[i] = wrapsTo;
    }
}
