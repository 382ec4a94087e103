#include "radio/RadioSession.h"

#include "model/ByteOrder.h"
#include "radio/LinkBytes.h"

namespace {

constexpr std::array<uint8_t, 8> ForeignIdent = {'K', 'R', '-', '9', '9', '9', 0xFF, 0xFF};
constexpr size_t FloodSize = 300;
// No answer starts with it, and it is none of the identification's characters.
constexpr uint8_t ChatterByte = '$';
constexpr size_t BandAnswerUnusedSize = 8;
constexpr size_t AddressIndex = 1;
constexpr size_t LengthIndex = 3;

std::vector<uint8_t> FloodBytes()
{
    std::vector<uint8_t> bytes(FloodSize);
    for (size_t i = 0; i < FloodSize; ++i)
        bytes[i] = uint8_t(i * 37 + 11);
    return bytes;
}

uint16_t BlockAddress(const std::vector<uint8_t>& frame) { return GetBe16(&frame[AddressIndex]); }

}

RadioSession::RadioSession(RadioMemory& memory, const RadioFaults& faults) : memory(memory), faults(faults) {}

RadioReply RadioSession::Handle(const std::vector<uint8_t>& frame)
{
    if (frame.empty())
        return {};
    if (frame[0] == LinkBytes::Ack)
        return Hello();
    if (!open)
        return {};
    switch (frame[0]) {
    case LinkBytes::InfoRequest:
        return Info();
    case LinkBytes::PasswordKeep:
    case LinkBytes::PasswordInstall:
        return Band(frame);
    case LinkBytes::Write:
        return WriteBlock(frame);
    case LinkBytes::Read:
        return ReadBlock(frame);
    case LinkBytes::End:
        return End();
    default:
        return {};
    }
}

std::vector<uint8_t> RadioSession::Chatter() const { return std::vector<uint8_t>(faults.ChatterBytes, ChatterByte); }

RadioReply RadioSession::Hello()
{
    open = true;
    blocksAnswered = 0;
    blocksWritten = 0;
    if (faults.Flood && !flooded && !Silenced(IdentStep)) {
        flooded = true;
        return {FloodBytes(), false};
    }
    const auto& ident = faults.ForeignIdent ? ForeignIdent : LinkBytes::IdentAnswer;
    return Answer(IdentStep, {ident.begin(), ident.end()});
}

RadioReply RadioSession::Info()
{
    std::vector<uint8_t> bytes{LinkBytes::Ack};
    const std::vector<uint8_t> serial = memory.SerialNumber();
    const std::vector<uint8_t> password = memory.LinkPassword();
    bytes.insert(bytes.end(), serial.begin(), serial.end());
    bytes.insert(bytes.end(), password.begin(), password.end());
    return Answer(InfoStep, bytes);
}

RadioReply RadioSession::Band(const std::vector<uint8_t>& frame)
{
    if (Silenced(BandStep))
        return {};
    if (frame[0] == LinkBytes::PasswordInstall)
        memory.InstallLinkPassword(&frame[1]);
    std::vector<uint8_t> bytes(LinkBytes::BandAnswerSize, 0);
    bytes[0] = LinkBytes::Ack;
    const BandLimits band = memory.Band();
    PutBe32(&bytes[1], band.BandMin);
    PutBe32(&bytes[1 + sizeof band.BandMin], band.BandMax);
    static_assert(1 + 2 * sizeof(uint32_t) + BandAnswerUnusedSize == LinkBytes::BandAnswerSize);
    if (faults.LongBandAnswer)
        bytes.push_back(0);
    return Answer(BandStep, bytes);
}

RadioReply RadioSession::WriteBlock(const std::vector<uint8_t>& frame)
{
    if (Silenced(BlockStep) || BlocksHungUp())
        return {};
    ++blocksAnswered;
    ++blocksWritten;
    if (faults.NakBlock && *faults.NakBlock == blocksWritten)
        return Answer(BlockStep, {LinkBytes::Nak});
    std::vector<uint8_t> data(frame.begin() + LinkBytes::BlockHeadSize, frame.end());
    SpoilStoredByte(BlockAddress(frame), data);
    const bool stored = memory.Write(BlockAddress(frame), data);
    return Answer(BlockStep, {stored ? LinkBytes::Ack : LinkBytes::Nak});
}

void RadioSession::SpoilStoredByte(uint32_t address, std::vector<uint8_t>& data) const
{
    if (!faults.WrongByteAddress)
        return;
    const uint32_t wrong = uint32_t(*faults.WrongByteAddress);
    if (wrong >= address && wrong - address < data.size())
        data[wrong - address] ^= 0x01;
}

RadioReply RadioSession::ReadBlock(const std::vector<uint8_t>& frame)
{
    if (Silenced(BlockStep) || BlocksHungUp())
        return {};
    ++blocksAnswered;
    std::vector<uint8_t> bytes(frame.begin(), frame.begin() + LinkBytes::BlockHeadSize);
    bytes[0] = faults.ReadAnswerR ? LinkBytes::Read : LinkBytes::Write;
    const std::vector<uint8_t> data = memory.Read(BlockAddress(frame), frame[LengthIndex]);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return Answer(BlockStep, bytes);
}

RadioReply RadioSession::End()
{
    open = false;
    return {{}, true};
}

bool RadioSession::Silenced(Step step) const { return faults.SilentFromStep && step >= *faults.SilentFromStep; }

bool RadioSession::BlocksHungUp() const
{
    return faults.HangupAfterBlocks && blocksAnswered >= *faults.HangupAfterBlocks;
}

RadioReply RadioSession::Answer(Step step, std::vector<uint8_t> bytes) const
{
    if (Silenced(step))
        return {};
    if (faults.WrongFirstByteStep && *faults.WrongFirstByteStep == step)
        bytes[0] = LinkBytes::Nak;
    if (step == BlockStep && faults.LongBlockAnswers)
        bytes.push_back(LinkBytes::Ack);
    return {bytes, false};
}
