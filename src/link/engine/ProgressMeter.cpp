#include "link/engine/ProgressMeter.h"

#include <algorithm>

namespace {

constexpr size_t BytesPerStep = 8;
constexpr size_t AdjustmentUnit = 6;
constexpr int AdjustmentStep = 10;

}  // namespace

void ProgressMeter::BlockMoved(size_t blockSize, size_t newPosition)
{
    switch (rule_) {
    case Rule::PerBytes:
        remainder_ += blockSize;
        while (remainder_ >= BytesPerStep) {
            remainder_ -= BytesPerStep;
            Advance(1);
        }
        break;
    case Rule::Adjustment:
        remainder_ = newPosition;
        while (remainder_ > AdjustmentUnit) {
            remainder_ -= AdjustmentUnit;
            Advance(AdjustmentStep);
        }
        break;
    case Rule::AtEndOnly:
        break;
    }
}

void ProgressMeter::Advance(int step) { value_ = std::min(value_ + step, Full); }
