#pragma once

#include <string_view>

#include "model/BandLimits.h"
#include "model/FieldEntry.h"
#include "model/RadioSettings.h"

// The channel rules of the record: what an entered frequency or tone does to a channel, how a new
// channel is filled and how the stepped fields step. Texts that are not numbers or tones leave the
// channel as it was. Each entry returns what became of the text.

// A receive frequency typed for channel `channel`: an empty text removes the channel (and is
// accepted with an empty stored text); otherwise the value is clamped to the band and snapped, and
// a channel that was not in use comes into being with the new-channel settings.
Entered<uint32_t> EnterReceiveFrequency(RadioSettings& settings, unsigned channel, std::string_view megahertz,
                                        const BandLimits& band);

// A transmit frequency, clamped and snapped the same way: 0 (or an empty text) means none and is
// kept as 0.
Entered<uint32_t> EnterTransmitFrequency(ChannelRecord& channel, std::string_view megahertz, const BandLimits& band);

// The decode tone; the channel's squelch mode follows a tone appearing or going away.
Entered<ToneSetting> EnterDecodeTone(ChannelRecord& channel, std::string_view text);
Entered<ToneSetting> EnterEncodeTone(ChannelRecord& channel, std::string_view text);

// The settings of a channel that has just been given its receive frequency.
void FillNewChannel(ChannelRecord& channel);

// The double-click steps: power high, low, middle; busy lock off, carrier, tone.
void StepPower(ChannelRecord& channel);
void StepBusyLock(ChannelRecord& channel);
