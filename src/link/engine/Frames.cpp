#include "link/engine/Frames.h"

#include <algorithm>

#include "model/ByteOrder.h"

namespace {

constexpr char HelloText[] = "KORVANE";
constexpr size_t HelloTextLength = sizeof HelloText - 1;
constexpr uint8_t IdentPadding = 0xFF;

// A command byte followed by `tail`.
Frame CommandWith(uint8_t command, const uint8_t* tail, size_t length)
{
    Frame frame(1 + length);
    frame[0] = command;
    std::copy(tail, tail + length, frame.begin() + 1);
    return frame;
}

Frame BlockFrame(uint8_t command, uint16_t address, uint8_t n, const uint8_t* data)
{
    Frame frame(BlockHeadLength + (data ? n : 0));
    frame[0] = command;
    PutBe16(&frame[1], address);
    frame[3] = n;
    if (data)
        std::copy(data, data + n, frame.begin() + BlockHeadLength);
    return frame;
}

}  // namespace

const IdentBytes IdentAnswer = {'K', 'R', '-', '5', '0', '3', IdentPadding, IdentPadding};

Frame HelloFrame() { return CommandWith(LinkAck, reinterpret_cast<const uint8_t*>(HelloText), HelloTextLength); }

Frame InfoRequest() { return {InfoRequestByte}; }

Frame PasswordFrame(uint8_t command, const PasswordPayload& payload)
{
    return CommandWith(command, payload.data(), payload.size());
}

Frame WriteFrame(uint16_t address, const uint8_t* data, uint8_t n)
{
    return BlockFrame(WriteCommand, address, n, data);
}

Frame ReadRequest(uint16_t address, uint8_t n) { return BlockFrame(ReadCommand, address, n, nullptr); }

Frame EndFrame() { return {EndCommand}; }
