#include "link/engine/PasswordFrame.h"

#include <algorithm>
#include <cstring>

#include "model/Password.h"

namespace {

constexpr uint8_t PasswordPadding = 0xFF;

PasswordPayload EncodedNewPassword(const RadioSettings& settings)
{
    PasswordPayload payload;
    payload.fill(PasswordPadding);
    const std::vector<uint8_t> encoded = EncodePassword(settings.NewPassword, PasswordMaxLength);
    std::copy(encoded.begin(), encoded.end(), payload.begin());
    return payload;
}

}  // namespace

Frame PasswordFrameFor(bool settingPassword, const RadioSettings& settings, LinkSettings& link)
{
    if (!settingPassword)
        return PasswordFrame(PasswordFrameKeep, link.LastPasswordPayload);
    link.LastPasswordPayload = EncodedNewPassword(settings);
    return PasswordFrame(PasswordFrameSet, link.LastPasswordPayload);
}

ByteRange PasswordBytesOf(const Frame& frame)
{
    const bool passwordFrame = frame.size() == 1 + PasswordFramePayloadSize &&
                               (frame[0] == PasswordFrameKeep || frame[0] == PasswordFrameSet);
    return passwordFrame ? ByteRange{1, PasswordFramePayloadSize} : ByteRange{};
}

void AdoptNewPassword(RadioSettings& settings)
{
    const uint8_t* text = settings.NewPassword;
    const size_t length = std::find(text, text + PasswordMaxLength, 0) - text;
    std::memcpy(settings.Password, text, length);
    settings.Password[length] = 0;
}
