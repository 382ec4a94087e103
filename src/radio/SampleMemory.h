#pragma once

#include "radio/RadioMemory.h"

// A plausible radio for demonstrations: a few channels with tones, some options, an address-book
// entry, a firmware text, a serial number and calibration values, inside the memory's band.
void FillSampleMemory(RadioMemory& memory);
