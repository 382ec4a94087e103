#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "calibration/AccessCode.h"
#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentFields.h"
#include "calibration/AdjustmentFile.h"
#include "calibration/FactoryBackup.h"
#include "calibration/SerialNumber.h"
#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/OutputFile.h"
#include "cli/TraceFile.h"
#include "cli/TransferOptions.h"
#include "files/AppSettings.h"
#include "files/BackupStore.h"
#include "lang/FileMessage.h"
#include "link/engine/TransferTargets.h"
#include "model/Frequency.h"
#include "model/Password.h"
#include "text/PrintableText.h"

// The factory's commands: calibration behind the access code, as the adjustment dialog is; the
// serial number; and setting the radio's password.

namespace {

void ExpectNoFile(const CliArgs& cli, const char* command)
{
    if (!cli.Positional().empty())
        throw UsageError(std::string(command) + " takes no file argument");
}

bool AccessGranted(const CliArgs& cli) { return IsAdjustmentAccessCode(cli.Required("--access-code")); }

int WrongAccessCode() { return Fail("calibration: wrong access code"); }

// The band the radio is checked against before a write is the settings file's selected band,
// as the window's current band is at start-up; --password (or its file or variable) is what the
// handshake presents.
std::unique_ptr<TransferTargets> TargetsFor(const CliArgs& cli)
{
    auto targets = std::make_unique<TransferTargets>();
    const AppSettings settings = CurrentAppSettings();
    targets->Band = settings.Bands[size_t(settings.BandSelete)];
    ApplyPasswordOption(cli, targets->Settings);
    ApplyFastOption(cli, targets->Link);
    return targets;
}

// The calibration read goes to a private temporary folder when --out could not take it.
int KeptAside(const FileResult& unsaved, const AdjustmentData& record)
{
    Fail(unsaved);
    std::string folder;
    std::string path;
    FileResult kept = NewPrivateTemporaryFolder(folder);
    if (kept.ok) {
        path = (std::filesystem::path(folder) / std::filesystem::path(unsaved.path).filename()).string();
        kept = SaveAdjustmentFile(path, record);
    }
    if (!kept.ok)
        return Fail(EnglishMessage({MessageId::ReadNotKept, {EnglishMessage(FileMessage(kept))}}));
    return Fail(EnglishMessage({MessageId::ReadKeptAt, {path}}));
}

void Say(const Message& message) { std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage(message).c_str()); }

int NotWritten(int status)
{
    Say({MessageId::NotWrittenWithoutBackup});
    return status;
}

// A calibration or serial-number write first reads the radio's calibration on the same port and
// keeps it, with the serial number the radio reports, in the backups; the write's own objects
// stay as they are. Gives the status that ends the command when that fails, nothing when the
// write may go on.
std::optional<int> BackUpBeforeWrite(const CliArgs& cli, TransferTargets& write, const std::string& port,
                                     TransferTrace* trace)
{
    if (!BackupsWanted(cli))
        return std::nullopt;
    Say({MessageId::BackingUpCalibration});
    const auto reader = TransferTargets::ForReadBack(write.Context(TransferKind::Adjustment, false));
    const TransferContext read = reader->Context(TransferKind::Adjustment, true);
    const LinkOutcome outcome = RunTransfer(read, {port, BandDifferencePolicy::Stop, trace, {}, SuccessLine::Later});
    if (outcome != LinkOutcome::Success)
        return NotWritten(ExitCodeOf(outcome));
    const BackupResult kept = BackUpFactoryData(read);
    if (!kept.result.ok) {
        Say(FileMessage(kept.result));
        return NotWritten(ExitUsageOrFile);
    }
    Say({MessageId::CalibrationBackedUp, {kept.recordPath}});
    return std::nullopt;
}

int ReadCalibration(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--out", 1},
                             {"--access-code", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0}});
    ExpectNoFile(cli, "calibration read");
    const std::string port = cli.Required("--port");
    const std::string out = cli.Required("--out");
    if (!AccessGranted(cli))
        return WrongAccessCode();
    if (const auto refused = WhyFilesRefused(cli))
        return Fail(*refused);
    TraceFile trace(cli);
    auto targets = TargetsFor(cli);
    const TransferRun run{port, BandDifferencePolicy::Stop, trace.Trace(), PasswordQuestionFor(cli),
                          SuccessLine::Later};
    const LinkOutcome outcome = RunTransfer(targets->Context(TransferKind::Adjustment, true), run);
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    AdjustmentData record{};
    SetAdjustmentData(targets->Buffer, record);
    if (const FileResult saved = SaveAdjustmentFile(out, record); !saved.ok)
        return KeptAside(saved, record);
    ShowOutcome(outcome);
    return ExitSuccess;
}

int WriteCalibration(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--access-code", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--on-band-difference", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0},
                             {"--no-backup", 0}});
    const std::string file = cli.Only("calibration file");
    const std::string port = cli.Required("--port");
    const BandDifferencePolicy policy = PolicyOption(cli);
    if (!AccessGranted(cli))
        return WrongAccessCode();
    if (const auto refused = WhyFilesRefused(cli, {{"the calibration file", file}}))
        return Fail(*refused);
    TraceFile trace(cli);
    AdjustmentData record{};
    if (const FileResult opened = OpenWholeAdjustmentFile(file, record); !opened.ok)
        return Fail(opened);
    auto targets = TargetsFor(cli);
    GetAdjustmentData(record, targets->Buffer);
    if (const auto refused = BackUpBeforeWrite(cli, *targets, port, trace.Trace()))
        return *refused;
    return ExitCodeOf(RunTransfer(targets->Context(TransferKind::Adjustment, false),
                                  {port, policy, trace.Trace(), PasswordQuestionFor(cli)}));
}

void PrintField(const AdjustmentField& field, const AdjustmentData& record)
{
    const uint8_t* at = record.Bytes() + field.Offset;
    if (field.Family == AdjustmentFamily::Frequency)
        std::printf("%s\t%u\t%s\n", field.FieldName.c_str(), unsigned(GetLe32(at)), FormatFrequency(GetLe32(at)).c_str());
    else
        std::printf("%s\t%u\n", field.FieldName.c_str(), unsigned(*at));
}

int DumpCalibration(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--access-code", 1}});
    const std::string file = cli.Only("calibration file");
    if (!AccessGranted(cli))
        return WrongAccessCode();
    AdjustmentData record{};
    if (const FileResult opened = OpenWholeAdjustmentFile(file, record); !opened.ok)
        return Fail(opened);
    for (const auto& field : AdjustmentFields())
        PrintField(field, record);
    std::printf("Reserved\t%02X %02X\n", record.Reserved[0], record.Reserved[1]);
    return ExitSuccess;
}

int ReadSerialNumber(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0}});
    ExpectNoFile(cli, "serial read");
    const std::string port = cli.Required("--port");
    if (const auto refused = WhyFilesRefused(cli))
        return Fail(*refused);
    TraceFile trace(cli);
    auto targets = TargetsFor(cli);
    const TransferRun run{port, BandDifferencePolicy::Stop, trace.Trace(), PasswordQuestionFor(cli)};
    const LinkOutcome outcome = RunTransfer(targets->Context(TransferKind::SerialNumber, true), run);
    if (outcome == LinkOutcome::Success)
        std::printf("%s\n", PrintableText(SnText(targets->Settings.DeviceSn)).c_str());
    return ExitCodeOf(outcome);
}

int WriteSerialNumber(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--on-band-difference", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0},
                             {"--no-backup", 0}});
    const std::string number = cli.Only("serial number");
    const std::string port = cli.Required("--port");
    const BandDifferencePolicy policy = PolicyOption(cli);
    if (number.empty() || !IsSnText(number))
        throw UsageError("a serial number is one to eight decimal digits, not " + number);
    if (const auto refused = WhyFilesRefused(cli))
        return Fail(*refused);
    TraceFile trace(cli);
    auto targets = TargetsFor(cli);
    SetSnText(targets->Settings.DeviceSn, number);
    if (const auto refused = BackUpBeforeWrite(cli, *targets, port, trace.Trace()))
        return *refused;
    return ExitCodeOf(RunTransfer(targets->Context(TransferKind::SerialNumber, false),
                                  {port, policy, trace.Trace(), PasswordQuestionFor(cli)}));
}

// NEW, else --new-password-file or KR_T27_NEW_PASSWORD, else typed twice on the terminal.
std::string NewPasswordFrom(const CliArgs& cli)
{
    const std::vector<std::string>& arguments = cli.Positional();
    if (arguments.size() > 1)
        throw UsageError("expected one new password");
    const std::optional<std::string> typed =
        arguments.empty() ? std::nullopt : std::optional<std::string>(arguments.front());
    if (auto fresh = GivenPassword(cli, typed, "the new password", NewPasswordSources))
        return *fresh;
    if (auto fresh = AskNewPassword())
        return *fresh;
    throw UsageError(std::string("expected the new password, or ") + NewPasswordSources.fileOption + " or " +
                     NewPasswordSources.variable);
}

// The new password travels in the handshake; no block is written, so the band plays no part.
int SetPassword(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--current", 1},
                             {"--password-file", 1},
                             {"--new-password-file", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0}});
    const std::string port = cli.Required("--port");
    if (const auto refused = WhyFilesRefused(cli))
        return Fail(*refused);
    const std::string current =
        GivenPassword(cli, cli.Value("--current"), "--current", PresentedPasswordSources).value_or("");
    const std::string fresh = NewPasswordFrom(cli);
    TraceFile trace(cli);
    auto targets = std::make_unique<TransferTargets>();
    StorePasswordText(targets->Settings.Password, current);
    StorePasswordText(targets->Settings.NewPassword, fresh);
    ApplyFastOption(cli, targets->Link);
    return ExitCodeOf(RunTransfer(targets->Context(TransferKind::PasswordSetting, false),
                                  {port, BandDifferencePolicy::Stop, trace.Trace(), PasswordQuestionFor(cli)}));
}

using Handler = int (*)(const CommandArgs&);

// "calibration read ..." and the like: the first argument names the action.
int Dispatch(const CommandArgs& args, const std::map<std::string, Handler>& actions)
{
    if (args.empty())
        throw UsageError("missing action");
    const auto action = actions.find(args.front());
    if (action == actions.end())
        throw UsageError("unknown action " + args.front());
    return action->second(CommandArgs(args.begin() + 1, args.end()));
}

int Calibration(const CommandArgs& args)
{
    return Dispatch(args, {{"read", ReadCalibration}, {"write", WriteCalibration}, {"dump", DumpCalibration}});
}

int SerialNumber(const CommandArgs& args)
{
    return Dispatch(args, {{"read", ReadSerialNumber}, {"write", WriteSerialNumber}});
}

int Password(const CommandArgs& args) { return Dispatch(args, {{"set", SetPassword}}); }

}

std::vector<CliCommand> FactoryCommands()
{
    return {
        {"calibration",
         "calibration read --port PORT --out FILE.Kqda | write --port PORT FILE.Kqda "
         "[--on-band-difference ask|continue|stop] [--no-backup] | dump FILE.Kqda; each with --access-code CODE, "
         "read and write with [--password TEXT | --password-file FILE] [--trace FILE [--trace-secrets]] [--fast]",
         Calibration},
        {"serial",
         "serial read --port PORT | write --port PORT NUMBER [--on-band-difference ask|continue|stop] "
         "[--no-backup]; each with [--password TEXT | --password-file FILE] [--trace FILE [--trace-secrets]] [--fast]",
         SerialNumber},
        {"password",
         "password set --port PORT [--current TEXT | --password-file FILE] [--trace FILE [--trace-secrets]] [--fast] "
         "[NEW | --new-password-file FILE]",
         Password},
    };
}
