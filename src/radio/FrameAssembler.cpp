#include "radio/FrameAssembler.h"

#include <algorithm>

#include "radio/LinkBytes.h"

namespace {

constexpr size_t BlockLengthIndex = 3;

}

void FrameAssembler::Feed(const uint8_t* bytes, size_t count) { pending.insert(pending.end(), bytes, bytes + count); }

void FrameAssembler::DropStalledByte()
{
    if (!pending.empty())
        pending.pop_front();
}

std::optional<std::vector<uint8_t>> FrameAssembler::NextFrame(bool sessionOpen)
{
    while (!pending.empty()) {
        size_t length = 0;
        switch (Examine(sessionOpen, length)) {
        case Start::Invalid:
            pending.pop_front();
            break;
        case Start::Incomplete:
            return std::nullopt;
        case Start::Complete: {
            std::vector<uint8_t> frame(pending.begin(), pending.begin() + std::ptrdiff_t(length));
            pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(length));
            return frame;
        }
        }
    }
    return std::nullopt;
}

FrameAssembler::Start FrameAssembler::ExamineHello(size_t& length) const
{
    length = LinkBytes::HelloFrameSize;
    const size_t seen = std::min(pending.size(), length) - 1;
    if (!std::equal(pending.begin() + 1, pending.begin() + 1 + std::ptrdiff_t(seen), LinkBytes::HelloText.begin()))
        return Start::Invalid;
    return pending.size() >= length ? Start::Complete : Start::Incomplete;
}

FrameAssembler::Start FrameAssembler::Examine(bool sessionOpen, size_t& length) const
{
    const uint8_t first = pending.front();
    if (first == LinkBytes::Ack)
        return ExamineHello(length);
    if (!sessionOpen)
        return Start::Invalid;
    switch (first) {
    case LinkBytes::InfoRequest:
    case LinkBytes::End:
        length = 1;
        break;
    case LinkBytes::PasswordKeep:
    case LinkBytes::PasswordInstall:
        length = LinkBytes::PasswordFrameSize;
        break;
    case LinkBytes::Read:
        length = LinkBytes::BlockHeadSize;
        break;
    case LinkBytes::Write:
        if (pending.size() <= BlockLengthIndex)
            return Start::Incomplete;
        length = LinkBytes::BlockHeadSize + pending[BlockLengthIndex];
        break;
    default:
        return Start::Invalid;
    }
    return pending.size() >= length ? Start::Complete : Start::Incomplete;
}
