#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The bytes the programming software and the radio exchange, seen from the radio's side.
namespace LinkBytes {

constexpr uint8_t Ack = 0x06;
constexpr uint8_t Nak = 0x15;
constexpr uint8_t InfoRequest = 0x02;
constexpr uint8_t PasswordKeep = 0x80;
constexpr uint8_t PasswordInstall = 0x82;
constexpr uint8_t Write = 'W';
constexpr uint8_t Read = 'R';
constexpr uint8_t End = 'E';

constexpr std::array<uint8_t, 7> HelloText = {'K', 'O', 'R', 'V', 'A', 'N', 'E'};
constexpr std::array<uint8_t, 8> IdentAnswer = {'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF};

constexpr size_t HelloFrameSize = 1 + HelloText.size();
constexpr size_t PasswordFrameSize = 17;
constexpr size_t BlockHeadSize = 4;
constexpr size_t BandAnswerSize = 17;
constexpr size_t LinkPasswordSize = 16;
constexpr uint8_t PasswordPad = 0xFF;

}
