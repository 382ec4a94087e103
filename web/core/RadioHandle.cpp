#include "RadioHandle.h"

#include "radio/SampleMemory.h"

namespace {

RadioMemory SampleRadioMemory()
{
    RadioMemory memory;
    FillSampleMemory(memory);
    return memory;
}

}

RadioHandle::RadioHandle() : memory_(SampleRadioMemory()), session_(memory_, RadioFaults{}) {}

Bytes RadioHandle::Receive(const Bytes& bytes)
{
    assembler_.Feed(bytes.data(), bytes.size());
    Bytes answer;
    while (const auto frame = assembler_.NextFrame(session_.IsOpen())) {
        const RadioReply reply = session_.Handle(*frame);
        answer.insert(answer.end(), reply.Bytes.begin(), reply.Bytes.end());
        if (reply.SessionEnded)
            ++sessionsEnded_;
    }
    return answer;
}
