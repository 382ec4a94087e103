#pragma once

#include "link/engine/Frames.h"
#include "model/RadioSettings.h"

// The 16 bytes the last password-setting frame of this run carried, zero before the first. A
// normal transfer's password frame repeats them: the radio ignores that payload, and the radio
// that received them knows them already.
PasswordPayload& LastPasswordPayload();

// 80 with the remembered payload, or for a password-setting transfer 82 with `NewPassword` in
// link encoding, padded with FF (which then becomes the remembered payload).
Frame PasswordFrameFor(bool settingPassword, const RadioSettings& settings);

// A successful password-setting transfer: `NewPassword` becomes the password every later
// transfer presents. Copies up to its terminator; the result is always terminated.
void AdoptNewPassword(RadioSettings& settings);
