#pragma once

#include <string_view>

#include "model/Tone.h"

// A tone as a person types it into a tone cell. Beside the texts of the tone lists ("Off", "67.0",
// "D023N"), which read as ParseToneText reads them, it takes the short forms people type: a CTCSS
// frequency without its tenths ("67", "67."), a DCS code with its leading D or its N or I left out
// and fewer than three digits ("23n", "d23i", "D23" for D023N), letters in either case, and an
// empty text, which erases the tone (Off). Writes the outputs only when the text is a tone.
bool ParseTypedTone(std::string_view typed, ToneType& type, ToneCode& code);
