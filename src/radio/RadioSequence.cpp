#include "radio/RadioSequence.h"

#include <algorithm>
#include <cstdio>

#include "radio/MemoryFile.h"

RadioSequence::RadioSequence(std::vector<NextRadio> nextRadios, const RadioMemory& firstAtStart,
                             int sessionsPerRadio, int swapSilenceMs)
    : nextRadios(std::move(nextRadios)), firstAtStart(firstAtStart), sessionsPerRadio(sessionsPerRadio),
      swapSilence(swapSilenceMs)
{
}

void RadioSequence::SessionEnded(Clock::time_point now)
{
    if (nextRadios.empty() || phase != Phase::Answering || ++sessionsEnded < sessionsPerRadio)
        return;
    sessionsEnded = 0;
    phase = radiosDone < nextRadios.size() ? Phase::Swapping : Phase::NoMoreRadios;
    silenceEnd = now + swapSilence;
}

int RadioSequence::WaitMs(Clock::time_point now, int idleMs) const
{
    if (phase != Phase::Swapping)
        return idleMs;
    // Rounded up, so the wait never ends just before the silence does and turns into a spin.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(silenceEnd - now).count();
    return int(std::max<decltype(left)>(0, std::min<decltype(left)>(left, idleMs)));
}

std::optional<RadioOnLine> RadioSequence::TakeNextRadio(Clock::time_point now)
{
    if (phase != Phase::Swapping || now < silenceEnd)
        return std::nullopt;
    phase = Phase::Answering;
    return NextRadioOnLine(nextRadios[radiosDone++]);
}

RadioOnLine RadioSequence::NextRadioOnLine(const NextRadio& radio) const
{
    RadioOnLine onLine{firstAtStart, radio.MemoryPath};
    if (!radio.MemoryPath.empty() &&
        LoadMemoryFile(radio.MemoryPath, onLine.Memory.Image()) == MemoryFileLoad::Unusable) {
        // Changed since start-up: the radio starts afresh and leaves the file as it is.
        std::fprintf(stderr, "kr-t27-radio: %s is no longer a readable memory file; not saving to it\n",
                     radio.MemoryPath.c_str());
        onLine.MemoryPath.clear();
    }
    onLine.Memory.SetSerialNumber(radio.Serial);
    return onLine;
}

bool NextRadioMemoriesUsable(const std::vector<NextRadio>& nextRadios, std::string& unusable)
{
    for (const NextRadio& radio : nextRadios) {
        MemoryImage image{};
        if (!radio.MemoryPath.empty() && LoadMemoryFile(radio.MemoryPath, image) == MemoryFileLoad::Unusable) {
            unusable = radio.MemoryPath;
            return false;
        }
    }
    return true;
}
