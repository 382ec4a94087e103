#include "link/engine/ReceiveBuffer.h"

#include <algorithm>
#include <limits>

void ReceiveBuffer::Append(const uint8_t* bytes, size_t count)
{
    if (rxCount_ < Capacity) {
        const size_t kept = std::min(count, Capacity - rxCount_);
        std::copy(bytes, bytes + kept, bytes_.begin() + rxCount_);
    }
    rxCount_ += std::min(count, std::numeric_limits<size_t>::max() - rxCount_);
}
