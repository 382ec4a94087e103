#pragma once

#include <cstddef>

// The columns of the exchanged channel table and the fixed texts of its values.

enum CsvColumn : size_t {
    ColLocation,
    ColName,
    ColFrequency,
    ColDuplex,
    ColOffset,
    ColTone,
    ColRToneFreq,
    ColCToneFreq,
    ColDtcsCode,
    ColDtcsPolarity,
    ColRxDtcsCode,
    ColCrossMode,
    ColMode,
    ColTStep,
    ColSkip,
    ColPower,
    ColComment,
    ColUrCall,
    ColRpt1Call,
    ColRpt2Call,
    ColDvCode,
    ColBusyLock,
    ColDtmf,
    ColSquelchMode,
    CsvColumnCount,
};

constexpr const char* CsvColumnNames[CsvColumnCount] = {
    "Location", "Name",     "Frequency", "Duplex",   "Offset",   "Tone",     "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",  "Skip",      "Power",
    "Comment",  "URCALL",   "RPT1CALL",  "RPT2CALL", "DVCODE",   "BusyLock", "DTMF",      "SquelchMode",
};

// Duplex: TX equal to RX (empty), above or below by Offset, at Offset itself, or none.
constexpr const char* DuplexPlus = "+";
constexpr const char* DuplexMinus = "-";
constexpr const char* DuplexSplit = "split";
constexpr const char* DuplexOff = "off";

constexpr const char* ModeWide = "FM";
constexpr const char* ModeNarrow = "NFM";
constexpr const char* StepFiveKilohertz = "5.00";
constexpr const char* StepSixPointTwoFive = "6.25";
constexpr const char* SkipScan = "S";
constexpr const char* SkipPriority = "P";

// Power texts of the three levels and the middles between them, in watts.
constexpr const char* PowerHighText = "5.0W";
constexpr const char* PowerMidText = "2.0W";
constexpr const char* PowerLowText = "1.0W";
constexpr double HighMidBoundaryWatts = 3.5;
constexpr double MidLowBoundaryWatts = 1.5;

// Indexed by the record's busy-lock value: off, tone (DQT), carrier (CAT).
constexpr const char* BusyLockTexts[] = {"OFF", "DQT", "CAT"};
constexpr const char* DtmfOnText = "ON";
constexpr const char* DtmfOffText = "OFF";
// Indexed by the channel squelch mode.
constexpr const char* SquelchModeTexts[] = {"Carrier", "DTMF", "CTC/DCS", "DTMF and CTC/DCS", "DTMF or CTC/DCS"};
