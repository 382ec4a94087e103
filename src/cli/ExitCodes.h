#pragma once

// Exit statuses of kr-t27-cli, shared by every command.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitRecordsDiffer = 1,  // compare: the records hold different settings
    ExitUsageOrFile = 2,
    ExitCommunicationFailure = 3,
    ExitPasswordError = 4,
    ExitStoppedAtBandQuestion = 5,
    ExitVerifyMismatch = 6,
};
