#pragma once

#include <string>

#include "model/RecordCheck.h"

// The texts of the transfer safety net (checks, verify, backups, trace, failure reasons) in the
// three languages; placeholders %1 and %2 take the arguments.
enum class TransferMessageId : int {
    PartlyWritten,
    Connecting,
    CheckingPassword,
    Verifying,
    VerifyMismatch,  // %1 first differing radio address, %2 number of differing bytes
    VerifyAfterWriting,
    OpenBackup,
    SaveTransferLog,
    BackupFailed,  // %1 why
    CheckListTitle,
    CheckListBeforeWrite,
    CheckListAfterOpen,
    WriteAnyway,
    ColumnWhere,
    ColumnValue,
    ColumnProblem,
    ChannelNumber,  // %1 channel
    ProblemOutsideBand,
    ProblemOffRaster,
    ProblemInvalidTone,
    ProblemOutsideList,
    ProblemTooLong,
    ProblemWrongSize,
    FastLink,  // the last
};

constexpr int TransferMessageCount = int(TransferMessageId::FastLink) + 1;

// 8-bit text in AppLang's current language, as LangText gives it.
std::string TransferMessageText(TransferMessageId id);
// English whatever the interface language: for the command line and logs.
std::string EnglishTransferMessage(TransferMessageId id);

TransferMessageId ProblemMessage(RecordProblem problem);

// "channel 3 RxFreq = 770.00000: outside the band", in English.
std::string EnglishFinding(const RecordFinding& finding);
