#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "link/engine/LinkActions.h"

// The frames of the programming link and the lengths of the radio's answers. Addresses are
// radio addresses, sent most significant byte first.

constexpr uint8_t LinkAck = 0x06;
constexpr uint8_t InfoRequestByte = 0x02;
constexpr uint8_t PasswordFrameKeep = 0x80;
constexpr uint8_t PasswordFrameSet = 0x82;
constexpr uint8_t WriteCommand = 'W';
constexpr uint8_t ReadCommand = 'R';
constexpr uint8_t ReadAnswerCommand = 'W';
constexpr uint8_t EndCommand = 'E';

constexpr size_t IdentAnswerLength = 8;
constexpr size_t InfoAnswerLength = 25;
constexpr size_t BandAnswerLength = 17;
constexpr size_t WriteAckLength = 1;
constexpr size_t BlockHeadLength = 4;
constexpr size_t PasswordFramePayloadSize = 16;

using PasswordPayload = std::array<uint8_t, PasswordFramePayloadSize>;

// A run of bytes within a frame or a chunk received, e.g. those that carry a password.
struct ByteRange {
    size_t first = 0;
    size_t count = 0;
};

// What the radio answers to the hello: its model code and two 0xFF bytes.
using IdentBytes = std::array<uint8_t, IdentAnswerLength>;
extern const IdentBytes IdentAnswer;

// 06 and the maker's identification text.
Frame HelloFrame();
// 02: asks for the serial number and the password.
Frame InfoRequest();
// 80 and 16 bytes the radio ignores, or 82 and a new password (see PasswordFrame.h).
Frame PasswordFrame(uint8_t command, const PasswordPayload& payload);
// "W", address, n, then the n data bytes.
Frame WriteFrame(uint16_t address, const uint8_t* data, uint8_t n);
// "R", address, n; the radio answers with a WriteFrame of n + 4 bytes.
Frame ReadRequest(uint16_t address, uint8_t n);
// "E": the radio leaves programming mode.
Frame EndFrame();
