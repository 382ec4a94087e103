#pragma once

#include "link/engine/Frames.h"
#include "link/engine/TransferContext.h"
#include "model/RadioSettings.h"

// 80 with the link's remembered payload, or for a password-setting transfer 82 with
// `NewPassword` in link encoding, padded with FF (which then becomes the remembered payload).
Frame PasswordFrameFor(bool settingPassword, const RadioSettings& settings, LinkSettings& link);

// The payload of a password frame, whichever the command: after a password-setting transfer an
// 80 frame repeats the new password. Nothing of any other frame.
ByteRange PasswordBytesOf(const Frame& frame);

// A successful password-setting transfer: `NewPassword` becomes the password every later
// transfer presents. Copies up to its terminator; the result is always terminated.
void AdoptNewPassword(RadioSettings& settings);
