#pragma once

#include <string>

#include "RecordHandle.h"
#include "radio/FrameAssembler.h"
#include "radio/RadioMemory.h"
#include "radio/RadioSession.h"

// The virtual radio inside the module, for trying the page without a radio: the sample setup in
// its memory, answering what the programming software sends. The page's fake port carries the
// bytes both ways and paces them like a 9600-baud line; the memory lasts as long as the handle,
// so a write is there for the next read.
class RadioHandle {
public:
    RadioHandle();
    RadioHandle(const RadioHandle&) = delete;
    RadioHandle& operator=(const RadioHandle&) = delete;

    // Bytes from the programming software; what the radio answers to the frames they complete.
    Bytes Receive(const Bytes& bytes);

    // The radio's memory as a programming image (radio addresses 0x4000 on).
    Bytes Image() const { return Bytes(memory_.Image().begin(), memory_.Image().end()); }
    // The end byte ended this many sessions.
    int SessionsEnded() const { return sessionsEnded_; }

    // A radio with a password of its own, or with another band, to show the password error and
    // the band question.
    void SetPassword(const std::string& text) { memory_.SetPasswordText(text); }
    void SetBand(const BandLimits& band) { memory_.SetBand(band); }
    // Another radio of a series: the sample setup under its own serial number.
    void SetSerialNumber(const std::string& text) { memory_.SetSerialNumber(text); }

private:
    RadioMemory memory_;
    RadioSession session_;
    FrameAssembler assembler_;
    int sessionsEnded_ = 0;
};
