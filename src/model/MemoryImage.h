#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/RadioSettings.h"

// The radio's settings memory; image offset n is radio address 0x4000 + n.
constexpr size_t MemoryImageSize = 8192;
constexpr uint16_t MemoryImageBaseAddress = 0x4000;
using MemoryImage = std::array<uint8_t, MemoryImageSize>;

// Normal transfers write the image below 0x300 (the data ends at 0x2FC) and read below 0x320.
constexpr size_t ImageWriteEnd = 0x2FC;
constexpr size_t ImageReadEnd = 0x320;

// Packs the model for a write. Sets the address-book entry numbers and `WriteRadioInfo`'s band
// in the model; `now` is what the radio records as its last-programmed time.
void GetDataForWrite(RadioSettings& settings, const BandLimits& band, const DateTimeStamp& now, MemoryImage& image);

// Unpacks a read image into the model; the radio's band becomes `band`.
void SetDataToSoftware(const MemoryImage& image, RadioSettings& settings, BandLimits& band);
