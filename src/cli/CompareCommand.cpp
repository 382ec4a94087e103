#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/OutputFile.h"
#include "cli/SeriesCommand.h"
#include "cli/TraceFile.h"
#include "cli/TransferOptions.h"
#include "files/ComparedRecord.h"
#include "lang/AppLang.h"
#include "lang/RecordDifferenceText.h"
#include "lang/Utf8Text.h"
#include "link/engine/TransferTargets.h"
#include "model/RecordComparison.h"

namespace {

constexpr const char* RadioPrefix = "radio:";
constexpr size_t RadioPrefixLength = std::char_traits<char>::length(RadioPrefix);
// What only a read from a radio takes.
constexpr const char* RadioOptions[] = {"--password", "--password-file", "--trace", "--trace-secrets", "--fast",
                                        "--no-backup"};

// A record as the command line names it: a file, or "radio:PORT", read from the radio on the spot.
struct Side {
    std::string what;
    std::string argument;
    std::optional<std::string> port;
    ComparedRecord record;
};

std::optional<std::string> RadioPort(const std::string& argument)
{
    if (argument.compare(0, RadioPrefixLength, RadioPrefix) != 0)
        return std::nullopt;
    const std::string port = argument.substr(RadioPrefixLength);
    if (port.empty())
        throw UsageError("radio: names its port, as in radio:COM3 or radio:/dev/ttyUSB0");
    return port;
}

std::array<Side, 2> NamedSides(const CliArgs& cli)
{
    const std::vector<std::string>& named = cli.Positional();
    if (named.size() != 2)
        throw UsageError("expected two records to compare");
    std::array<Side, 2> sides{Side{"the first record", named[0], RadioPort(named[0]), {}},
                              Side{"the second record", named[1], RadioPort(named[1]), {}}};
    if (!sides[0].port && !sides[1].port)
        for (const char* option : RadioOptions)
            if (cli.Has(option))
                throw UsageError(std::string(option) + " applies to a radio: side only");
    return sides;
}

std::vector<FileArgument> FilesOf(const std::array<Side, 2>& sides)
{
    std::vector<FileArgument> files;
    for (const Side& side : sides)
        if (!side.port)
            files.push_back({side.what, side.argument});
    return files;
}

// The radio read as `read` reads it, backup included. It is first offered the password of the
// file it is compared with, as a write of that file would offer it.
int ReadSide(TransferSession& session, const CliArgs& cli, Side& side, const Side& other, TransferTrace* trace)
{
    auto targets = std::make_unique<TransferTargets>();
    if (!other.port)
        std::memcpy(targets->Settings.Password, other.record.Settings.Password, sizeof targets->Settings.Password);
    ApplyPasswordOption(cli, targets->Settings);
    ApplyFastOption(cli, targets->Link);
    const TransferRun run{*side.port, BandDifferencePolicy::Stop, trace, PasswordQuestionFor(cli), SuccessLine::Later};
    const LinkOutcome outcome = session.Run(targets->Context(TransferKind::Normal, true), run);
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    BackUpRead(cli, *targets);
    TakeRadioPassword(targets->Settings);
    side.record.Settings = targets->Settings;
    return ExitSuccess;
}

int ReadRadios(const CliArgs& cli, std::array<Side, 2>& sides)
{
    TraceFile trace(cli);
    TransferSession session;
    for (size_t i = 0; i < sides.size(); ++i)
        if (sides[i].port)
            if (const int status = ReadSide(session, cli, sides[i], sides[1 - i], trace.Trace()); status != ExitSuccess)
                return status;
    return ExitSuccess;
}

std::string DifferencesText(const std::vector<DifferenceText>& texts, TTeskFuncs::TLangType language)
{
    if (texts.empty())
        return MessageUtf8({MessageId::CompareSame}, language) + '\n';
    std::string lines;
    for (const DifferenceText& text : texts)
        lines += DifferenceLine(text, language) + '\n';
    return lines;
}

// compare FILE radio:PORT --radios N: radio after radio read and checked against the file, on the
// port and any further --port at once; nothing is written.
int AuditFleet(const CliArgs& cli, const std::array<Side, 2>& sides)
{
    if (sides[0].port || !sides[1].port)
        throw UsageError("--radios checks radios against a file: compare FILE radio:PORT --radios N");
    if (cli.Has("--json") || cli.Has("--lang"))
        throw UsageError("--json and --lang go with two records; a fleet check is told line by line and logged");
    TraceFile trace(cli);
    TransferTargets targets;
    targets.Settings = sides[0].record.Settings;
    ApplyPasswordOption(cli, targets.Settings);
    ApplyFastOption(cli, targets.Link);
    std::vector<std::string> ports = {*sides[1].port};
    for (const std::string& port : cli.Values("--port"))
        ports.push_back(port);
    return CheckSeries(cli, sides[0].argument, ports, targets, trace.Trace());
}

// Files are checked and read first, so that a file at fault costs no radio a transfer.
int Compare(const CommandArgs& args)
{
    const CliArgs cli(args,
                      {{"--json", 0},
                       {"--lang", 1},
                       {"--password", 1},
                       {"--password-file", 1},
                       {"--trace", 1},
                       {"--trace-secrets", 0},
                       {"--fast", 0},
                       {"--no-backup", 0},
                       {"--radios", 1},
                       {"--port", 1},
                       {"--log", 1},
                       {"--wait-seconds", 1}},
                      {"--port"});
    const LanguageSetting language = LanguageOption(cli, LanguageSetting::English);
    std::array<Side, 2> sides = NamedSides(cli);
    const bool fleet = cli.Has("--radios");
    if (!fleet && (cli.Has("--port") || cli.Has("--log") || cli.Has("--wait-seconds")))
        throw UsageError("--port, --log and --wait-seconds go with --radios");
    if (const auto refused = WhyFilesRefused(cli, FilesOf(sides)))
        return Fail(*refused);
    for (Side& side : sides)
        if (!side.port)
            if (const FileResult opened = OpenComparedFile(side.argument, side.record); !opened.ok)
                return Fail(opened);
    if (fleet)
        return AuditFleet(cli, sides);
    if (sides[0].port || sides[1].port)
        if (const int status = ReadRadios(cli, sides); status != ExitSuccess)
            return status;

    MatchPasswords(sides[0].record, sides[1].record);
    ApplyLanguageSetting(language);
    const std::vector<DifferenceText> texts =
        RecordDifferenceTexts(sides[0].record.Settings, sides[1].record.Settings, AppLang().LangType());
    const std::string out = cli.Has("--json") ? DifferencesJson(texts) : DifferencesText(texts, AppLang().LangType());
    std::fwrite(out.data(), 1, out.size(), stdout);
    return texts.empty() ? ExitSuccess : ExitRecordsDiffer;
}

}

std::vector<CliCommand> CompareCommands()
{
    return {
        {"compare",
         "compare FILE|radio:PORT FILE|radio:PORT [--json] [--lang 0|1|2] [--password TEXT | --password-file FILE] "
         "[--trace FILE [--trace-secrets]] [--fast] [--no-backup] "
         "[--radios N [--port PORT]... [--log LOG.csv] [--wait-seconds S]]",
         Compare},
    };
}
