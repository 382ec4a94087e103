#include "radio/VirtualRadio.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

#include "radio/MemoryFile.h"

namespace {

// The software writes whole frames; a frame still incomplete after this pause is abandoned.
constexpr int StalledFrameMs = 500;
constexpr size_t ReadChunk = 512;

}

VirtualRadio::VirtualRadio(int masterFd, RadioMemory& memory, const RadioFaults& faults, bool pacing,
                           std::string memoryPath, RadioSequence sequence)
    : masterFd(masterFd), memory(memory), faults(faults), session(std::in_place, memory, faults),
      writer(masterFd, pacing), memoryPath(std::move(memoryPath)), sequence(std::move(sequence))
{
}

void VirtualRadio::Run(int stopFd)
{
    for (;;) {
        pollfd watched[] = {{masterFd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int ready = poll(watched, 2, sequence.WaitMs(RadioSequence::Clock::now(), StalledFrameMs));
        const pollfd& readable = watched[0];
        if ((ready < 0 && errno != EINTR) || (ready > 0 && (readable.revents & (POLLERR | POLLNVAL))) ||
            watched[1].revents != 0)
            return;
        if (sequence.Silent()) {
            if (ready > 0 && (readable.revents & POLLIN))
                DropReceived();
            BringOnNextRadio();
            continue;
        }
        writer.Send(session->Chatter());
        if (ready > 0 && (readable.revents & POLLIN)) {
            Receive();
            AnswerFrames();
        } else if (ready == 0 && assembler.HasPartialFrame()) {
            assembler.DropStalledByte();
            AnswerFrames();
        }
    }
}

void VirtualRadio::Receive()
{
    uint8_t buffer[ReadChunk];
    const ssize_t n = read(masterFd, buffer, sizeof buffer);
    if (n > 0)
        assembler.Feed(buffer, size_t(n));
}

void VirtualRadio::DropReceived()
{
    uint8_t buffer[ReadChunk];
    (void)!read(masterFd, buffer, sizeof buffer);
}

void VirtualRadio::AnswerFrames()
{
    std::optional<std::vector<uint8_t>> frame;
    while (!sequence.Silent() && (frame = assembler.NextFrame(session->IsOpen()))) {
        const RadioReply reply = session->Handle(*frame);
        writer.Send(reply.Bytes);
        if (reply.SessionEnded) {
            SaveMemory();
            sequence.SessionEnded(RadioSequence::Clock::now());
        }
    }
}

// The swapped-in radio knows nothing of what the last one was half-way through.
void VirtualRadio::BringOnNextRadio()
{
    std::optional<RadioOnLine> next = sequence.TakeNextRadio(RadioSequence::Clock::now());
    if (!next)
        return;
    memory = next->Memory;
    memoryPath = next->MemoryPath;
    session.emplace(memory, faults);
    assembler = FrameAssembler();
}

void VirtualRadio::SaveMemory() const
{
    if (!memoryPath.empty() && !SaveMemoryFile(memoryPath, memory.Image()))
        std::fprintf(stderr, "kr-t27-radio: cannot save memory to %s\n", memoryPath.c_str());
}
