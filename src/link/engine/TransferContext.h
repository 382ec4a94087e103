#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "link/engine/Frames.h"
#include "link/engine/TransferTrace.h"
#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/MemoryImage.h"
#include "model/RadioSettings.h"
#include "ports/PortLookup.h"

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

// Which port the link uses: the n of COMn, or every listed port in turn, and how this machine's
// COM numbers are looked up.
struct LinkSettings {
    int PortNumber = 1;
    bool AutoSearchPort = true;
    // Answer the radio as soon as it has answered instead of on the protocol's ticks.
    bool FastLink = false;
    // The 16 bytes the last password-setting frame over this link carried, zero before the
    // first. A normal transfer's password frame repeats them: the radio ignores that payload, and
    // the radio that received them knows them already.
    PasswordPayload LastPasswordPayload{};
    // The settings file's pinned ports go here before a port is listed or opened.
    TeskComm32::PortLookup Ports{};
};

using SerialNumberBytes = std::array<uint8_t, DeviceSnSize>;

// A write in a series of radios waits for the next radio: its hellos go out on the handshake's
// ticks for as long as the caller lets them, without the time-out, and a radio whose serial number
// is `PassOver` (the one just written, whose owner has not swapped it yet) is let go again with
// the end byte and waited past.
struct RadioWait {
    bool Waiting = false;
    std::optional<SerialNumberBytes> PassOver;
};

// Asked once a radio has told its serial number (now in the record's DeviceSn), before its password
// is checked and anything is sent that changes it: whether to go on with this radio. A series
// decides here which number, codes and password the record gets, since only now is it known which
// radio came; a radio not taken is sent the end byte and the transfer ends as Stopped.
using RadioTaking = std::function<bool(RadioSettings& record)>;

// Everything one transfer works on, in this order:
//   TransferContext{kind, isRead, settings, band, link, image, buffer}
// The caller owns the objects and keeps them alive while the transfer runs; the transfer changes
// the record only as the protocol allows (handshake fields always; the rest only after a complete
// read). The clock stamps a normal write; tests replace it. The engine leaves the trace alone:
// the window a transfer runs in hands it, once the transfer has ended, to `KeepTrace` when the
// opener gives one (the desktop's log of the last transfer).
struct TransferContext {
    TransferKind Kind = TransferKind::Normal;
    bool IsRead = true;
    RadioSettings& Settings;
    BandLimits& Band;
    LinkSettings& Link;
    MemoryImage& Image;
    TransferBuffer& Buffer;
    std::function<DateTimeStamp()> Clock = LocalNow;
    RadioWait Wait = {};
    RadioTaking TakeRadio = {};  // empty: every radio is taken
    std::function<void(const TransferTrace& trace)> KeepTrace = {};
};
