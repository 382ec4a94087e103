#include "lang/FileMessage.h"

#include <string>

namespace {

constexpr size_t BytesPerMebibyte = 1024 * 1024;

MessageId WithReason(FileProblem problem)
{
    switch (problem) {
    case FileProblem::CannotRead:
        return MessageId::CannotRead;
    case FileProblem::CannotSave:
        return MessageId::CannotSave;
    case FileProblem::SavedNotSynced:
        return MessageId::SavedNotSynced;
    case FileProblem::CannotBackUp:
        return MessageId::CannotBackUp;
    default:
        return MessageId::CannotOpen;
    }
}

}  // namespace

Message FileMessage(const FileResult& r)
{
    const std::string size = std::to_string(r.size);
    const std::string expected = std::to_string(r.expectedSize);
    switch (r.problem) {
    case FileProblem::NotAFileToOpen:
        return {MessageId::NotAFileToOpen, {r.path}};
    case FileProblem::NotAFileToSave:
        return {MessageId::NotAFileToSave, {r.path}};
    case FileProblem::TextFileTooLarge:
        return {MessageId::TextFileTooLarge, {r.path, std::to_string(r.expectedSize / BytesPerMebibyte)}};
    case FileProblem::NoBackupFolder:
        return {MessageId::NoBackupFolder, {}};
    case FileProblem::ChannelFileTooShort:
        return {MessageId::ChannelFileTooShort, {r.path, size, expected}};
    case FileProblem::AdjustmentFileWrongSize:
        return {MessageId::AdjustmentFileWrongSize, {r.path, size, expected}};
    case FileProblem::ImageWrongSize:
        if (r.size > r.expectedSize)
            return {MessageId::ImageTooLong, {r.path, expected}};
        return {MessageId::ImageWrongSize, {r.path, expected, size}};
    default:
        return {WithReason(r.problem), {r.path, MessageArg::Reason(r.systemError)}};
    }
}
