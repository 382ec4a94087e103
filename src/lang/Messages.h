#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The program's own messages beside the main text table: file and port problems, refused input
// and the wording of system errors. Numbered apart from the main table; placeholders %1 to %9
// take the message's arguments.
enum class MessageId : int {
    CannotOpen,           // %1 path, %2 reason
    CannotRead,           // %1 path, %2 reason
    CannotSave,           // %1 path, %2 reason
    NotAFileToOpen,       // %1 path
    NotAFileToSave,       // %1 path
    SavedNotSynced,       // %1 path, %2 reason
    ChannelFileTooShort,  // %1 path, %2 bytes held, %3 bytes needed
    ImageWrongSize,       // %1 path, %2 bytes needed, %3 bytes held
    ImageTooLong,         // %1 path, %2 bytes needed
    TextFileTooLarge,     // %1 path, %2 limit in MiB
    NoBackupFolder,
    CannotBackUp,         // %1 folder, %2 reason
    PortMissing,          // %1 device, %2 system text
    PortBusyOrDenied,     // %1 device, %2 system text
    PortAlreadyOpen,      // %1 device
    PortUnusable,         // %1 device, %2 system text
    NotANumber,           // %1 the refused text
    ReasonNoSuchFile,
    ReasonPermissionDenied,
    ReasonNotPermitted,
    ReasonReadOnlyFileSystem,
    ReasonNoSpace,
    ReasonQuotaExceeded,
    ReasonIsAFolder,
    ReasonNotAFolder,
    ReasonBusy,
    ReasonExists,
    ReasonTooLarge,
    ReasonInputOutput,
    ReasonNameTooLong,
    ReasonTooManyLinks,
    ReasonNoDevice,  // the last
};

constexpr size_t MessageCount = size_t(MessageId::ReasonNoDevice) + 1;

// One value inserted into a message: text as the system spells it (a path, a number, a device
// name), or a system error number, worded by the table where it can be.
struct MessageArg {
    std::string text;
    int systemError = 0;

    MessageArg(std::string value) : text(std::move(value)) {}
    MessageArg(const char* value) : text(value) {}
    static MessageArg Reason(int error)
    {
        MessageArg arg("");
        arg.systemError = error;
        return arg;
    }
};

struct Message {
    MessageId id = MessageId::CannotOpen;
    std::vector<MessageArg> args;
};

// The pattern in AppLang's current language, 8-bit like LangText.
std::string MessagePattern(MessageId id);

// The table's wording of a system error number, when it has one.
std::optional<MessageId> ReasonMessage(int systemError);

// The system's own text for an error number, in the system's encoding.
std::string SystemErrorText(int systemError);

// The message in English whatever the interface language: for standard error and logs.
std::string EnglishMessage(const Message& message);
