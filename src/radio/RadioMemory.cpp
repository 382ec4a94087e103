#include "radio/RadioMemory.h"

#include <algorithm>

#include "model/ByteOrder.h"
#include "model/Password.h"
#include "radio/LinkBytes.h"

namespace {

constexpr uint8_t ErasedByte = 0xFF;
constexpr uint8_t PasswordTextMask = 0x7F;

bool Inside(uint32_t address) { return address >= RadioMemory::FirstAddress && address < RadioMemory::EndAddress; }

uint8_t SwapNibbles(uint8_t b) { return uint8_t((b << 4) | (b >> 4)); }

std::string DecodeLinkPassword(const uint8_t* linkBytes)
{
    std::string text;
    for (size_t i = 0; i < PasswordLength(linkBytes, LinkBytes::LinkPasswordSize); ++i)
        text.push_back(char(SwapNibbles(linkBytes[i]) & PasswordTextMask));
    return text;
}

}

RadioMemory::RadioMemory()
{
    SetBand(BandLimits{});
}

std::vector<uint8_t> RadioMemory::Read(uint32_t address, size_t length) const
{
    std::vector<uint8_t> data(length, ErasedByte);
    for (size_t i = 0; i < length; ++i)
        if (Inside(address + uint32_t(i)))
            data[i] = *At(address + uint32_t(i));
    return data;
}

bool RadioMemory::Write(uint32_t address, const std::vector<uint8_t>& data)
{
    if (!Inside(address) || address + data.size() > EndAddress)
        return false;
    std::copy(data.begin(), data.end(), At(address));
    return true;
}

std::vector<uint8_t> RadioMemory::SerialNumber() const { return Read(SerialNumberAddress, SerialNumberSize); }

std::string RadioMemory::SerialText() const
{
    const std::vector<uint8_t> bytes = SerialNumber();
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

void RadioMemory::SetSerialNumber(const std::string& digits) { PutText(SerialNumberAddress, SerialNumberSize, digits); }

void RadioMemory::SetFirmware(const std::string& text) { PutText(FirmwareAddress, FirmwareSize, text); }

void RadioMemory::PutText(uint32_t address, size_t size, const std::string& text)
{
    std::fill(At(address), At(address) + size, 0);
    std::copy_n(text.begin(), std::min(size, text.size()), At(address));
}

BandLimits RadioMemory::Band() const
{
    BandLimits band;
    band.BandMin = GetBe32(At(BandMinAddress));
    band.BandMax = GetBe32(At(BandMaxAddress));
    return band;
}

void RadioMemory::SetBand(const BandLimits& band)
{
    PutBe32(At(BandMinAddress), band.BandMin);
    PutBe32(At(BandMaxAddress), band.BandMax);
}

std::vector<uint8_t> RadioMemory::LinkPassword() const
{
    return Read(PasswordAddress, LinkBytes::LinkPasswordSize);
}

std::string RadioMemory::PasswordText() const { return DecodeLinkPassword(At(PasswordAddress)); }

void RadioMemory::SetPasswordText(const std::string& text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const std::vector<uint8_t> encoded = EncodePassword(bytes, std::min(text.size(), PasswordMaxLength));
    uint8_t* stored = At(PasswordAddress);
    std::fill(stored, stored + LinkBytes::LinkPasswordSize, LinkBytes::PasswordPad);
    std::copy(encoded.begin(), encoded.end(), stored);
}

void RadioMemory::InstallLinkPassword(const uint8_t* linkBytes) { SetPasswordText(DecodeLinkPassword(linkBytes)); }
