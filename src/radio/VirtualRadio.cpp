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
                           std::string memoryPath)
    : masterFd(masterFd), memory(memory), session(memory, faults), writer(masterFd, pacing),
      memoryPath(std::move(memoryPath))
{
}

void VirtualRadio::Run(const volatile std::sig_atomic_t& stop)
{
    while (!stop) {
        pollfd readable{masterFd, POLLIN, 0};
        const int ready = poll(&readable, 1, StalledFrameMs);
        if ((ready < 0 && errno != EINTR) || (ready > 0 && (readable.revents & (POLLERR | POLLNVAL))))
            return;
        writer.Send(session.Chatter());
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

void VirtualRadio::AnswerFrames()
{
    while (auto frame = assembler.NextFrame(session.IsOpen())) {
        const RadioReply reply = session.Handle(*frame);
        writer.Send(reply.Bytes);
        if (reply.SessionEnded)
            SaveMemory();
    }
}

void VirtualRadio::SaveMemory() const
{
    if (!memoryPath.empty() && !SaveMemoryFile(memoryPath, memory.Image()))
        std::fprintf(stderr, "kr-t27-radio: cannot save memory to %s\n", memoryPath.c_str());
}
