#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/MemoryImage.h"

// The virtual radio's memory: radio addresses 0x4000 to 0x5FFF, which also hold what the radio
// reports about itself in the handshake (serial number, firmware text, band, password).
class RadioMemory {
public:
    static constexpr uint16_t FirstAddress = MemoryImageBaseAddress;
    static constexpr uint32_t EndAddress = MemoryImageBaseAddress + MemoryImageSize;
    static constexpr uint16_t SerialNumberAddress = 0x430C;
    static constexpr size_t SerialNumberSize = 8;
    static constexpr uint16_t FirmwareAddress = 0x4314;
    static constexpr size_t FirmwareSize = 12;
    static constexpr uint16_t BandMinAddress = 0x4155;
    static constexpr uint16_t BandMaxAddress = 0x4159;
    static constexpr uint16_t CalibrationAddress = 0x4370;
    static constexpr size_t CalibrationSize = 66;
    // Never read or written by the programming software: the password in link encoding.
    static constexpr uint16_t PasswordAddress = 0x5FF0;

    RadioMemory();

    // Bytes outside the memory read as 0xFF, like erased flash.
    std::vector<uint8_t> Read(uint32_t address, size_t length) const;
    // False, and nothing written, when any byte would fall outside the memory.
    bool Write(uint32_t address, const std::vector<uint8_t>& data);

    std::vector<uint8_t> SerialNumber() const;
    // The serial number as the radio's text holds it: its bytes up to the first zero.
    std::string SerialText() const;
    void SetSerialNumber(const std::string& digits);
    void SetFirmware(const std::string& text);

    BandLimits Band() const;
    void SetBand(const BandLimits& band);

    std::vector<uint8_t> LinkPassword() const;
    std::string PasswordText() const;
    void SetPasswordText(const std::string& text);
    // Takes a password as it travels on the link (16 bytes, FF-padded).
    void InstallLinkPassword(const uint8_t* linkBytes);

    MemoryImage& Image() { return image; }
    const MemoryImage& Image() const { return image; }

private:
    uint8_t* At(uint32_t address) { return image.data() + (address - FirstAddress); }
    const uint8_t* At(uint32_t address) const { return image.data() + (address - FirstAddress); }
    void PutText(uint32_t address, size_t size, const std::string& text);

    MemoryImage image{};
};
