#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lang/AppLang.h"

// The program's own texts beside the main text table: file and port problems, refused input, the
// wording of system errors, and the captions, questions and reports the main table has no entry
// for. Numbered apart from the main table; placeholders %1 to %9 take the message's arguments.
enum class MessageId : int {
    // File and port problems, in notices and on standard error:
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
    // Calibration files, and the backup of the radio's calibration before a factory write:
    AdjustmentFileWrongSize,   // %1 path, %2 bytes held, %3 bytes needed
    AdjustmentFileShortTaken,  // %1 bytes taken, %2 bytes of the record
    AdjustmentFileLongTaken,   // %1 bytes taken
    BackingUpCalibration,
    CalibrationBackedUp,  // %1 path of the backup
    NotWrittenWithoutBackup,
    // Refused input in the editors:
    NotANumber,           // %1 the refused text
    // System errors, inserted as the reason of a file or port problem:
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
    ReasonNoDevice,
    // Files a command names, checked before the radio is touched, and a read its file could not take:
    SameFileTwice,  // %1 and %2 what names the file, %3 the file
    ReadKeptAt,     // %1 the file that holds what was read
    ReadNotKept,    // %1 why
    // The transfer window and its safety net (verify, backups, trace):
    PartlyWritten,
    Connecting,
    CheckingPassword,
    Verifying,
    VerifyMismatch,  // %1 first differing radio address, %2 number of differing bytes
    VerifyAfterWriting,
    OpenBackup,
    SaveTransferLog,
    BackupFailed,  // %1 why
    FastLink,
    // The list of values the radio cannot take, before a write and after an open:
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
    // Names a channel table import changed or an export could not write as the record holds them,
    // the notes an import report leaves out, and a settings file that was not read:
    CsvNameTrimmed,   // %1 line, %2 the name as kept
    CsvNameNotGbk,    // %1 channel, %2 the name as written
    CsvNotesLeftOut,  // %1 notes
    SettingsNotRead,  // %1 why
    // The Edit menu's history and row commands, and the question before a row insert pushes a
    // channel in use off the end:
    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditInsertRow,
    EditMoveUp,
    EditMoveDown,
    DropLastChannel,
    // The channel table exchange and the channel sheet:
    ImportCsv,  // the File item and the title of its file dialog
    ExportCsv,
    PrintSheet,
    ExportSheetPdf,
    SheetTitle,
    SheetFile,
    SheetDate,
    // The report of a channel table import, one line per row note (%1 the line, %2 the row's
    // detail), then the refusal or the count:
    CsvNoChannelLeft,
    CsvLocationNotAChannel,
    CsvBadFrequency,
    CsvOutsideBand,
    CsvModeNotFm,
    CsvReverseToneDropped,
    CsvToneDropped,
    CsvFrequencyRounded,
    CsvNameCut,
    CsvNameCharactersReplaced,
    CsvValueIgnored,
    CsvNoFrequencyColumn,
    CsvImported,  // %1 channels
    // Writing one setup to a series of radios, in the dialog and on standard error:
    WriteSeveralRadios,  // the Edit item and the dialog's title
    SeriesRadioCount,
    SeriesUntilStopped,
    SeriesIncreaseIds,
    SeriesFirstIds,  // %1 PTT ID, %2 ANI of the first radio
    SeriesLogFile,
    SeriesBrowse,
    SeriesStop,
    SeriesSameRadioAgain,
    SeriesWaiting,
    SeriesWriting,         // %1 number of the radio
    SeriesRadioDone,       // %1 number of the radio, %2 serial
    SeriesSameRadio,       // %1 serial
    SeriesSameRadioWaits,  // %1 serial; where no button takes it anyway
    SeriesRadioWritten,    // %1 number, %2 serial
    SeriesRadioFailed,     // %1 number, %2 serial, %3 what went wrong
    SeriesAllWritten,      // %1 radios
    SeriesStopped,         // %1 radios
    SeriesIdsRanOut,       // %1 radios
    SeriesWaitRanOut,      // %1 seconds
    SeriesLogNotWritten,   // %1 why
    SeriesClose,
    SeriesBandRefused,
    IdNotDigits,           // %1 the code's name, %2 the code
    IdTooFewDigits,        // %1 the code's name, %2 the code, %3 radios
    IdsBothEmpty,
    // The check list's name for the size of a channel data file:
    FileSizeField,
    // The caption of a record read from a radio that no file holds yet, and the question before a
    // series writes a record whose changes are not saved:
    RecordFromRadio,  // %1 serial number
    SaveBeforeSeries,
    WriteWithoutSaving,
    // A COM name on the command line that the machine does not list:
    PortNotListed,  // %1 COM name
    // The browser edition's own words:
    TryWithoutRadio,
    BackupsHeading,
    DownloadFile,
    // A text typed into a channel cell and not taken as typed (%1 the cell, %2 what was typed,
    // %3 what the cell holds now), and the clipboard the browser keeps from the menu's commands:
    CellSnappedToRaster,
    CellClampedToBand,
    CellCharactersDropped,
    CellRefused,
    ClipboardRefused,
    // What became of a value typed or chosen in the setting pages and the batch set (%1 as typed,
    // %2 as stored), the key rule, the batch's outcome and the address book's order of entry:
    EntrySnappedToRaster,
    EntryClampedToRange,
    EntryCharactersDropped,
    EntryRefused,
    LongPressStaysUnassigned,
    LongPressNowUnassigned,
    BatchStartAfterEnd,
    BatchChannelsSet,  // %1 first channel, %2 last channel
    AddressBookNameFirst,
    // The browser's File items that the desktop has no caption for:
    SaveAs,
    ImportJson,
    ExportJson,
    // Why the record's JSON form was not taken (%1 the key, then the values the text names), and
    // what is wrong where a text is no JSON:
    JsonNotJson,  // %1 what is wrong, %2 byte offset
    JsonDocumentNotAnObject,
    JsonNotAnObject,
    JsonNoSuchField,
    JsonNotText,
    JsonNotAList,
    JsonNotAWholeNumber,
    JsonNotTrueOrFalse,
    JsonOutsideRange,  // %2 the number, %3 the largest
    JsonNotGbk,
    JsonTooManyBytes,      // %2 the most bytes
    JsonTooManySymbols,    // %2 the most symbols
    JsonNotDtmfSymbol,     // %2 the character
    JsonNotHexBytes,       // %2 bytes, %3 hex digits
    JsonWrongCount,        // %2 numbers
    JsonNotByteNumbers,    // %2 numbers, %3 the largest
    JsonNumberNotInRange,  // %2 the largest
    JsonGivenTwice,        // %2 the number
    JsonIllegalValue,
    JsonIllegalNumber,
    JsonGarbageAtEnd,
    JsonTooDeep,
    JsonUnterminatedObject,
    JsonUnterminatedArray,
    JsonUnterminatedString,
    JsonMissingName,
    JsonMissingNameSeparator,
    JsonMissingValueSeparator,
    JsonControlCharacter,
    JsonInvalidUtf8,
    JsonInvalidEscape,
    // The browser's programming log and backups, kept in its storage:
    BrowserStorageRefused,  // why the log was not written
    DownloadProgrammingLog,
    RestoreBackup,
    BackupsOfRadio,  // %1 serial number
    BackupsOfUnknownRadio,
    // The browser's choice of the cable's port:
    PortInUse,  // %1 the port
    PortNotChosen,
    ChooseCablePort,
    PortUsbIds,  // %1 vendor id, %2 product id, in hexadecimal
    PortWithoutUsbIds,
    // What closes a window that has no button of its own for it:
    CloseWindow,
    // The browser edition kept for use without a network, its updates, and browsers without a serial port:
    OfflineReady,
    UpdateReady,
    UpdateNow,
    UpdateLater,
    UpdateAfterTransfer,
    NoSerialInBrowser,
    // What became of a value typed into a channel cell, in the status bar: %1 what the cell shows
    // now, %2 what was typed (or the characters left out), %3 the band:
    EntryAboveBand,
    EntryBelowBand,
    EntryOffRaster,
    EntryCutToFit,
    EntryKeysLeftOut,
    EntryNotAFrequency,
    EntryNotATone,
    // The question before Delete on a receive frequency clears its channel, and the report of a
    // paste of rows from another program:
    ClearWholeChannel,  // %1 channel
    PasteReportTitle,
    ChannelsPasted,  // %1 channels
    // Menu captions with their accelerators, where the plain text is also a dialog's title:
    MenuImportCsv,
    MenuExportCsv,
    MenuPrintSheet,
    MenuExportSheetPdf,
    MenuWriteSeveral,
    MenuFrequencyBand,
    MenuSaveTransferLog,
    MenuGettingStarted,
    // Help, Getting started: its title and one paragraph per step:
    GettingStarted,
    GuideCable,
    GuidePort,
    GuideRead,
    GuideWrite,
    GuideBackups,
    // What to do next, the line a transfer's failure notice ends with, and a verified write:
    PortsTried,  // %1 the ports, each with its device
    AdviceCheckLink,
    AdviceCheckLinkOnly,
    AdviceNoPortFound,
    AdvicePassword,
    VerifiedWrite,
    // Why a band change clears the data, and the offer of the band a file's channels lie in:
    BandChangeClearsWhy,
    BandOfChannelsQuestion,  // %1 the selected band, %2 the band that holds the channels
    SwitchBand,
    KeepBand,
    // The band a channel table import used, and where to choose another:
    CsvBandUsed,  // %1 the band
    CsvOutsideBandHint,
    // A channel's values and an address-book code in the list of values the radio cannot take:
    ChannelFieldPlace,     // %1 channel, %2 the value's name
    AddressBookCodePlace,  // %1 entry
    FieldReceiveFrequency,
    FieldTransmitFrequency,
    FieldReceiveTone,
    FieldTransmitTone,
    FieldPower,
    FieldBusyLock,
    FieldSquelchMode,
    // Two records compared, or a radio checked against the record: the menu items, the dialog, and
    // the places and values of a difference as a person reads them:
    MenuCompareWithFile,
    MenuCheckRadio,
    CompareWithFile,
    CheckRadio,
    CompareThisRecord,
    CompareRadio,
    CompareSame,
    CompareDifferenceCount,  // %1 differences
    WriteFileToRadio,
    DifferenceLine,         // %1 where, %2 the first record's value, %3 the second's
    AddressBookEntryPlace,  // %1 entry
    FieldBandwidth,
    FieldScanAdd,
    FieldDtmf,
    ValueInUse,
    ValueNotInUse,
    ValueEmpty,
    PasswordSet,
    PasswordNotSet,
    PasswordSetOther,
    // Why a table of the radios' own codes is refused (%1 the file, %2 the line), and how many
    // problems the list leaves out (%1 the file, %2 problems):
    IdsUnknownColumn,     // %3 the title
    IdsDuplicateColumn,   // %3 the column
    IdsNoCodeColumn,
    IdsDuplicateSerial,   // %3 the serial, %4 the line that has it
    IdsDuplicateSlot,     // %3 the slot, %4 the line that has it
    IdsSlotNotANumber,    // %3 the cell
    IdsNoKey,
    IdsBothKeys,
    IdsNotDtmfCode,       // %3 the column, %4 the cell, %5 symbols at most
    IdsNotPassword,       // %3 characters at most
    IdsCellWithoutTitle,  // %3 the cell
    IdsQuoteLeftOpen,
    IdsProblemsLeftOut,
    // The support bundle: its menu item, where it went, and the README inside it:
    MenuSaveSupportBundle,
    SaveSupportBundle,
    SupportBundleSaved,  // %1 path
    BundleReadmeTitle,   // %1 program and version, %2 when it was made
    BundleFileVersion,   // %1 file name
    BundleFileSettings,  // %1 file name
    BundleFilePorts,     // %1 file name
    BundleFileTrace,     // %1 file name
    BundleFileBackups,   // %1 file name, %2 how many backups at most
    BundleFileLog,       // %1 file name, %2 how many rows at most
    BundleFileAbsent,    // %1 file name, %2 why
    BundleNoneYet,
    BundleTargetHeld,    // %1 path
    LastTraceNotKept,    // %1 why
    // A series that only checks radios against the record:
    SeriesRadioSame,     // %1 number, %2 serial
    SeriesRadioDiffers,  // %1 number, %2 serial, %3 how many fields
    SeriesAllChecked,    // %1 radios
    SeriesNoIdentityRow,  // %1 serial
    // The ports a series runs on, and checking radios instead of writing them:
    SeriesPorts,
    SeriesPortToAdd,
    SeriesAddPort,
    SeriesRemovePort,
    SeriesCheckOnly,
    SeriesOnPort,           // %1 port, %2 what happened there
    SeriesReading,          // %1 number of the radio
    SeriesCheckStopped,     // %1 radios
    SeriesPortDone,
    SeriesPortStopped,
    SeriesPortsFailed,      // %1 radios done, %2 the ports
    SeriesPortStatusName,   // %1 port
    SeriesPortProgressName, // %1 port
    SeriesSameRadioOnPort,  // %1 port
    // The series dialog's identity table.
    SeriesIdsFile,
    SeriesIdsRequired,
    SeriesIdsProblemsName,
    // Names screen readers give controls the window shows no caption for:
    AddressBookName,
    TransferStatusName,
    SeriesOutcomeListName,  // the last
};

constexpr size_t MessageCount = size_t(MessageId::SeriesOutcomeListName) + 1;

// One value inserted into a message: text as the system spells it (a path, a number, a device
// name), a system error number, worded by the table where it can be, or a text of the table itself,
// worded in the message's language.
struct MessageArg {
    std::string text;
    int systemError = 0;
    std::optional<MessageId> worded;

    MessageArg(std::string value) : text(std::move(value)) {}
    MessageArg(const char* value) : text(value) {}
    static MessageArg Reason(int error)
    {
        MessageArg arg("");
        arg.systemError = error;
        return arg;
    }
    static MessageArg Worded(MessageId id)
    {
        MessageArg arg("");
        arg.worded = id;
        return arg;
    }
};

struct Message {
    MessageId id = MessageId::CannotOpen;
    std::vector<MessageArg> args;

    Message() = default;
    // A caption or a notice without arguments is just its id.
    Message(MessageId messageId, std::vector<MessageArg> messageArgs = {})
        : id(messageId), args(std::move(messageArgs))
    {
    }
};

// The pattern in AppLang's current language, 8-bit like LangText.
std::string MessagePattern(MessageId id);
std::string MessagePattern(MessageId id, TTeskFuncs::TLangType language);

// The table's wording of a system error number, when it has one.
std::optional<MessageId> ReasonMessage(int systemError);

// The system's own text for an error number, in the system's encoding.
std::string SystemErrorText(int systemError);

// The message in English whatever the interface language: for standard error and logs.
std::string EnglishMessage(const Message& message);
