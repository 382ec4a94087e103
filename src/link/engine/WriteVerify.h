#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/MemoryImage.h"

// A normal write sends 48 blocks of 16 bytes: image 0x000 to 0x2FF.
constexpr size_t VerifiedSpan = 0x300;

// What a read after a write found: how many bytes of the written span the radio holds
// differently, and the radio address of the first of them.
struct VerifyResult {
    size_t differing = 0;
    uint32_t firstAddress = 0;

    bool Matches() const { return differing == 0; }
};

VerifyResult CompareWritten(const MemoryImage& written, const MemoryImage& readBack);

// The first differing address as notices and logs show it: "0x4123".
std::string FirstDifferenceText(const VerifyResult& result);
