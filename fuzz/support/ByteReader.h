#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Hands out a fuzz input front to back; past its end every byte reads as 0, so a short input is
// simply a run that stops making choices.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Done() const { return position_ >= size_; }

    uint8_t Byte() { return Done() ? 0 : data_[position_++]; }

    // Up to `count` bytes, fewer at the end of the input.
    std::vector<uint8_t> Bytes(size_t count)
    {
        const size_t n = count < size_ - position_ ? count : size_ - position_;
        std::vector<uint8_t> bytes(data_ + position_, data_ + position_ + n);
        position_ += n;
        return bytes;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
