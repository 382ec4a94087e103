#pragma once

#include <optional>
#include <string>

#include "files/ChannelCsvReport.h"
#include "model/Tone.h"

// A channel's transmit (encode) and receive (decode) tones in the exchanged table's tone columns.
// The table names tone pairs by a mode; whatever no mode names is a cross mode, transmit side
// first. Columns a mode leaves unused hold the usual placeholders.

struct ChannelTones {
    ToneType encType = ToneNone;
    ToneCode encCode = 0;
    ToneType decType = ToneNone;
    ToneCode decCode = 0;
};

struct CsvToneColumns {
    std::string tone;
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

CsvToneColumns ToneColumnsOf(const ChannelTones& tones);

// The tones the columns describe, or why there are none although the row asks for some.
struct CsvToneReading {
    ChannelTones tones;
    std::optional<CsvRowIssue> issue;
    std::string detail;
};

CsvToneReading TonesOf(const CsvToneColumns& columns);
