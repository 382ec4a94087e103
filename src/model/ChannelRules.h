#pragma once

#include <string_view>

#include "model/RadioSettings.h"

// The channel rules of the record: what an entered frequency or tone does to a channel, how a new
// channel is filled and how the stepped fields step. Texts that are not numbers or tones leave the
// channel as it was.

// A receive frequency typed for channel `channel`: an empty text removes the channel; otherwise
// the value is clamped to the band and snapped, and a channel that was not in use comes into
// being with the new-channel settings.
void EnterReceiveFrequency(RadioSettings& settings, unsigned channel, std::string_view megahertz);

// A transmit frequency: 0 (or an empty text) means none and is kept as 0.
void EnterTransmitFrequency(ChannelRecord& channel, std::string_view megahertz);

// The decode tone; the channel's squelch mode follows a tone appearing or going away.
void EnterDecodeTone(ChannelRecord& channel, std::string_view text);
void EnterEncodeTone(ChannelRecord& channel, std::string_view text);

// The settings of a channel that has just been given its receive frequency.
void FillNewChannel(ChannelRecord& channel);

// The double-click steps: power high, low, middle; busy lock off, carrier, tone.
void StepPower(ChannelRecord& channel);
void StepBusyLock(ChannelRecord& channel);
