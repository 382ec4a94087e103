#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/MemoryImage.h"
#include "model/RadioSettings.h"

enum class TransferKind : uint8_t {
    Normal = 0,
    Adjustment = 1,
    SerialNumber = 4,
    PasswordSetting = 5,
};

// The buffer that adjustment and serial-number transfers move (the calibration block travels in
// five pieces of 16 bytes, the serial number in one piece of 8).
constexpr size_t TransferBufferSize = 80;
using TransferBuffer = std::array<uint8_t, TransferBufferSize>;

// Where those transfers find their data in the radio: the 66-byte calibration block and the
// 8-byte serial number.
constexpr uint16_t AdjustmentBlockAddress = 0x4370;
constexpr size_t AdjustmentBlockSize = 66;
constexpr uint16_t SerialNumberAddress = 0x430C;

// Which port the link uses: the n of COMn, or every listed port in turn.
struct LinkSettings {
    int PortNumber = 1;
    bool AutoSearchPort = true;
};

// Everything one transfer works on. The caller owns all of it; the transfer changes the record
// only as the protocol allows (handshake fields always; the rest only after a complete read).
struct TransferContext {
    TransferKind Kind = TransferKind::Normal;
    bool IsRead = true;
    RadioSettings* Settings = nullptr;
    BandLimits* Band = nullptr;
    LinkSettings* Link = nullptr;
    MemoryImage* Image = nullptr;
    TransferBuffer* Buffer = nullptr;
    std::function<DateTimeStamp()> Clock = LocalNow;
    // Runs after a successful transfer, once the success notice is closed (after a normal read the
    // image has been unpacked into the record by then). Readers refresh their views here.
    std::function<void()> OnSuccess;
};
