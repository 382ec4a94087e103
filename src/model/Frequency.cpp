#include "model/Frequency.h"

#include <cstdio>
#include <limits>

namespace {

constexpr uint32_t RasterWide = 5000;
constexpr uint32_t RasterNarrow = 6250;
constexpr int HertzDecimals = 6;

uint32_t SnapToRaster(uint32_t hz)
{
    if (hz % RasterWide == 0)
        return hz;
    return hz - hz % RasterNarrow;
}

}

std::array<uint8_t, 4> EncodeFreqBcd(uint32_t hz)
{
    uint32_t tens = hz / 10;
    std::array<uint8_t, 4> bcd{};
    for (auto& byte : bcd) {
        const uint8_t low = tens % 10;
        tens /= 10;
        const uint8_t high = tens % 10;
        tens /= 10;
        byte = uint8_t((high << 4) | low);
    }
    return bcd;
}

uint32_t DecodeFreqBcd(const uint8_t* bcd)
{
    uint32_t tens = 0;
    for (int i = 3; i >= 0; --i)
        tens = tens * 100 + (bcd[i] >> 4) * 10 + (bcd[i] & 0x0F);
    return tens * 10;
}

std::string FormatFrequency(uint32_t hz)
{
    if (hz == 0)
        return "0";
    char text[16];
    std::snprintf(text, sizeof text, "%03u.%05u", unsigned(hz / 1000000 % 1000), unsigned(hz % 1000000 / 10));
    return text;
}

uint32_t SnapFrequencyInBand(uint32_t hz, const BandLimits& band)
{
    if (hz < band.BandMin)
        hz = band.BandMin;
    else if (hz > band.BandMax)
        hz = band.BandMax;
    return SnapToRaster(hz);
}

bool IsOnRaster(uint32_t hz) { return SnapToRaster(hz) == hz; }

uint32_t SnapFrequency(uint32_t hz)
{
    if (hz >= StepLimit)
        return 0;
    return SnapToRaster(hz);
}

std::optional<uint32_t> ParseMegahertz(std::string_view text)
{
    if (text.empty())
        return 0u;
    uint64_t hz = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    int decimals = 0;
    constexpr uint64_t Saturated = std::numeric_limits<uint32_t>::max();
    for (char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        seenDigit = true;
        if (seenPoint) {
            if (decimals == HertzDecimals)
                continue;
            ++decimals;
        }
        if (hz <= Saturated)
            hz = hz * 10 + uint64_t(c - '0');
    }
    if (!seenDigit)
        return std::nullopt;
    for (; decimals < HertzDecimals && hz <= Saturated; ++decimals)
        hz *= 10;
    return uint32_t(hz > Saturated ? Saturated : hz);
}
