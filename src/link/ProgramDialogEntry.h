#pragma once

#include "link/engine/LinkActions.h"

// Entries of the transfer dialog's text table (ProgramDialogText).
enum ProgramDialogEntry : int {
    StartCaption = 0,
    CancelCaption = 1,
    CommunicationFalseText = 2,
    SuccessText = 3,
    PasswordErrorText = 4,
    BandDifferenceQuestion = 5,
    ContinueCaption = 6,
};

// The entry that announces how a transfer ended; the quiet stop after the band question has
// none and gives -1.
constexpr int OutcomeTextEntry(LinkOutcome outcome)
{
    switch (outcome) {
    case LinkOutcome::Success:
        return SuccessText;
    case LinkOutcome::CommunicationFailure:
        return CommunicationFalseText;
    case LinkOutcome::PasswordError:
        return PasswordErrorText;
    default:
        return -1;
    }
}
