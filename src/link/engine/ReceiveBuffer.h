#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "link/engine/Frames.h"

// The bytes gathered since the last consumed answer. It keeps the longest answer the link knows
// (the 25-byte info answer); bytes past that are dropped but still counted, so an over-long
// answer never matches an exact length.
class ReceiveBuffer {
public:
    static constexpr size_t Capacity = InfoAnswerLength;

    void Append(const uint8_t* bytes, size_t count);
    // The answer was consumed.
    void Clear() { rxCount_ = 0; }

    size_t RxCount() const { return rxCount_; }
    const uint8_t* Data() const { return bytes_.data(); }
    uint8_t operator[](size_t i) const { return bytes_[i]; }

private:
    std::array<uint8_t, Capacity> bytes_{};
    size_t rxCount_ = 0;
};
