#pragma once

#include <cstddef>
#include <cstdint>

#include "calibration/AdjustmentData.h"
#include "link/engine/TransferContext.h"

// In the radio the calibration values lie in a 66-byte block in another order than the record,
// with big-endian frequencies. Adjustment transfers move the block through the transfer buffer in
// five pieces of 16 bytes, so the buffer's last 14 bytes carry whatever follows the block in the
// radio; packing never writes them, and they go back to the radio as they were read.
static_assert(AdjustmentBlockSize <= TransferBufferSize);

// Record to buffer bytes 0..65, ahead of an adjustment write. No value is checked or clamped.
void GetAdjustmentData(const AdjustmentData& record, TransferBuffer& buffer);

// Buffer bytes 0..65 to the record, after a complete adjustment read; the reserved bytes stay.
void SetAdjustmentData(const TransferBuffer& buffer, AdjustmentData& record);
