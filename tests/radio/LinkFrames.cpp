#include "LinkFrames.h"

#include "model/Password.h"

namespace LinkFrames {

namespace {

constexpr size_t LinkPasswordSize = 16;

std::vector<uint8_t> LinkPassword(const std::string& text)
{
    std::vector<uint8_t> bytes = EncodePassword(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    bytes.resize(LinkPasswordSize, 0xFF);
    return bytes;
}

std::vector<uint8_t> Join(std::vector<uint8_t> head, const std::vector<uint8_t>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<uint8_t> Be32(uint32_t v) { return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

}

std::vector<uint8_t> Hello() { return {0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'}; }
std::vector<uint8_t> InfoRequest() { return {0x02}; }
std::vector<uint8_t> KeepPassword() { return Join({0x80}, std::vector<uint8_t>(LinkPasswordSize, 0)); }
std::vector<uint8_t> InstallPassword(const std::string& text) { return Join({0x82}, LinkPassword(text)); }

std::vector<uint8_t> Write(uint16_t address, const std::vector<uint8_t>& data)
{
    return Join({'W', uint8_t(address >> 8), uint8_t(address), uint8_t(data.size())}, data);
}

std::vector<uint8_t> Read(uint16_t address, uint8_t length) { return {'R', uint8_t(address >> 8), uint8_t(address), length}; }
std::vector<uint8_t> End() { return {'E'}; }

std::vector<uint8_t> Ident() { return {'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF}; }

std::vector<uint8_t> InfoAnswer(const std::string& serial, const std::string& password)
{
    std::vector<uint8_t> sn(serial.begin(), serial.end());
    sn.resize(8, 0);
    return Join(Join({0x06}, sn), password.empty() ? std::vector<uint8_t>(LinkPasswordSize, 0) : LinkPassword(password));
}

std::vector<uint8_t> BandAnswer(uint32_t low, uint32_t high)
{
    return Join(Join(Join({0x06}, Be32(low)), Be32(high)), std::vector<uint8_t>(8, 0));
}

std::vector<uint8_t> ReadAnswer(uint16_t address, const std::vector<uint8_t>& data)
{
    return Join({'W', uint8_t(address >> 8), uint8_t(address), uint8_t(data.size())}, data);
}

}
