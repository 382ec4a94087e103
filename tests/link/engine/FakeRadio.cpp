#include "FakeRadio.h"

#include <algorithm>

#include "model/ByteOrder.h"
#include "model/Password.h"

namespace {

const Bytes Hello = {0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'};

uint16_t AddressOf(const Bytes& frame) { return GetBe16(&frame[1]); }

}  // namespace

FakeRadio::FakeRadio() : ident{'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF}, band{400000000, 470000000} {}

Bytes FakeRadio::Receive(const Bytes& frame)
{
    received_.push_back(frame);
    if (silent || frame.empty())
        return {};
    if (frame == Hello)
        return IdentAnswer();
    switch (frame[0]) {
    case 0x02:
        return answersInfo ? InfoAnswer() : Bytes{};
    case 0x80:
    case 0x82:
        if (frame[0] == 0x82)
            storedPasswordPayload.assign(frame.begin() + 1, frame.end());
        return BandAnswer();
    case 'W':
        return OnWrite(frame);
    case 'R':
        return OnRead(frame);
    default:
        return {};
    }
}

Bytes FakeRadio::MemoryRange(uint16_t address, size_t n) const
{
    const auto from = memory_.begin() + (address - MemoryBase);
    return Bytes(from, from + n);
}

std::vector<uint16_t> FakeRadio::BlockAddresses(uint8_t command) const
{
    std::vector<uint16_t> addresses;
    for (const Bytes& frame : received_)
        if (frame.size() >= 4 && frame[0] == command)
            addresses.push_back(AddressOf(frame));
    return addresses;
}

size_t FakeRadio::CountFrames(const Bytes& frame) const
{
    return size_t(std::count(received_.begin(), received_.end(), frame));
}

size_t FakeRadio::CountStartingWith(uint8_t first) const
{
    return size_t(std::count_if(received_.begin(), received_.end(),
                                [first](const Bytes& f) { return !f.empty() && f[0] == first; }));
}

Bytes FakeRadio::IdentAnswer() const { return identOverride.empty() ? ident : identOverride; }

Bytes FakeRadio::InfoAnswer() const
{
    Bytes answer(25, 0xFF);
    answer[0] = infoFirstByte;
    std::fill(answer.begin() + 1, answer.begin() + 9, 0);
    std::copy(serial.begin(), serial.begin() + std::min<size_t>(serial.size(), 8), answer.begin() + 1);
    const Bytes encoded = EncodePassword(reinterpret_cast<const uint8_t*>(password.data()), password.size());
    std::copy(encoded.begin(), encoded.end(), answer.begin() + 9);
    return answer;
}

Bytes FakeRadio::BandAnswer() const
{
    Bytes answer(bandAnswerLength, 0);
    answer[0] = bandFirstByte;
    PutBe32(&answer[1], band.BandMin);
    PutBe32(&answer[5], band.BandMax);
    return answer;
}

Bytes FakeRadio::OnWrite(const Bytes& frame)
{
    if (!BlockAllowed())
        return {};
    std::copy(frame.begin() + 4, frame.end(), At(AddressOf(frame)));
    Bytes answer = {writeAckByte};
    answer.insert(answer.end(), blockAnswerTail.begin(), blockAnswerTail.end());
    return answer;
}

Bytes FakeRadio::OnRead(const Bytes& frame)
{
    if (!BlockAllowed())
        return {};
    const size_t n = frame[3];
    Bytes answer = {readAnswerFirstByte, frame[1], frame[2], frame[3]};
    const Bytes data = MemoryRange(AddressOf(frame), n);
    answer.insert(answer.end(), data.begin(), data.end());
    answer.insert(answer.end(), blockAnswerTail.begin(), blockAnswerTail.end());
    return answer;
}

bool FakeRadio::BlockAllowed()
{
    if (blocksBeforeSilence >= 0 && blocksAnswered_ >= blocksBeforeSilence)
        return false;
    ++blocksAnswered_;
    return true;
}
