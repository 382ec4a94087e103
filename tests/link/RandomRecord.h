#pragma once

#include <cstdint>

#include "model/MemoryImage.h"
#include "model/RadioSettings.h"

// A record with every field the memory image carries set at random, yet valid: frequencies on
// the 10 Hz grid of the image, tones from the channel tone list. Handshake fields stay zero.
RadioSettings RandomRecord(uint32_t seed);

// The image a record packs into for a given band and time; two records with the same image
// agree in every field the radio keeps.
MemoryImage PackedImage(const RadioSettings& settings, const BandLimits& band, const DateTimeStamp& when);

// Whether two records agree outside the handshake fields (the radio infos and the serial number).
bool SameApartFromHandshake(const RadioSettings& a, const RadioSettings& b);
