#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The frames the programming software sends, built the way it builds them.
namespace LinkFrames {

std::vector<uint8_t> Hello();
std::vector<uint8_t> InfoRequest();
std::vector<uint8_t> KeepPassword();
std::vector<uint8_t> InstallPassword(const std::string& text);
std::vector<uint8_t> Write(uint16_t address, const std::vector<uint8_t>& data);
std::vector<uint8_t> Read(uint16_t address, uint8_t length);
std::vector<uint8_t> End();

// The radio's answers as the software expects them.
std::vector<uint8_t> Ident();
std::vector<uint8_t> InfoAnswer(const std::string& serial, const std::string& password);
std::vector<uint8_t> BandAnswer(uint32_t low, uint32_t high);
std::vector<uint8_t> ReadAnswer(uint16_t address, const std::vector<uint8_t>& data);

}
