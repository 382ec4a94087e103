#include "SimulatedRadio.h"

#include <algorithm>

#include "model/ByteOrder.h"

namespace {

constexpr uint8_t PasswordInstall = 0x82;
constexpr size_t BlockHeadSize = 4;

uint16_t AddressOf(const Bytes& frame) { return GetBe16(&frame[1]); }

}  // namespace

SimulatedRadio::SimulatedRadio() { memory.SetSerialNumber("12345678"); }

RadioSession& SimulatedRadio::Session()
{
    if (!session_)
        session_.emplace(memory, faults);
    return *session_;
}

Bytes SimulatedRadio::Receive(const Bytes& frame)
{
    received_.push_back(frame);
    assembler_.Feed(frame.data(), frame.size());
    Bytes answer;
    while (const auto whole = assembler_.NextFrame(Session().IsOpen())) {
        const RadioReply reply = Session().Handle(*whole);
        answer.insert(answer.end(), reply.Bytes.begin(), reply.Bytes.end());
    }
    return answer;
}

Bytes SimulatedRadio::Chatter() { return Session().Chatter(); }

std::vector<uint16_t> SimulatedRadio::BlockAddresses(uint8_t command) const
{
    std::vector<uint16_t> addresses;
    for (const Bytes& frame : received_)
        if (frame.size() >= BlockHeadSize && frame[0] == command)
            addresses.push_back(AddressOf(frame));
    return addresses;
}

size_t SimulatedRadio::CountFrames(const Bytes& frame) const
{
    return size_t(std::count(received_.begin(), received_.end(), frame));
}

size_t SimulatedRadio::CountStartingWith(uint8_t first) const
{
    return size_t(std::count_if(received_.begin(), received_.end(),
                                [first](const Bytes& f) { return !f.empty() && f[0] == first; }));
}

Bytes SimulatedRadio::InstalledPasswordPayload() const
{
    const auto last = std::find_if(received_.rbegin(), received_.rend(),
                                   [](const Bytes& f) { return !f.empty() && f[0] == PasswordInstall; });
    return last == received_.rend() ? Bytes{} : Bytes(last->begin() + 1, last->end());
}
