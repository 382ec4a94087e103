#include <cstdio>
#include <filesystem>

#include <QGuiApplication>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "files/RecordJson.h"
#include "cli/TransferOptions.h"
#include "files/AtomicFile.h"
#include "files/ChannelCsv.h"
#include "files/ChannelDataFile.h"
#include "files/TextFile.h"
#include "lang/AppLang.h"
#include "lang/CsvReportText.h"
#include "lang/JsonRefusalMessage.h"
#include "lang/Utf8Text.h"
#include "model/LocalClock.h"
#include "sheet/SheetDocument.h"

// Commands that move a record's contents in and out in other forms: channel tables for other
// programming tools and spreadsheets, JSON for scripts, and the printed channel sheet.

namespace {

FileResult LoadRecord(const std::string& path, RadioSettings& settings)
{
    settings.ResetToDefaults();
    return OpenChannelFile(path, settings);
}

// --base gives the record to change; without it the record starts as File/New leaves it.
FileResult LoadBase(const CliArgs& cli, RadioSettings& settings)
{
    settings.ResetToDefaults();
    const auto base = cli.Value("--base");
    return base ? LoadRecord(*base, settings) : FileResult::Success();
}

FileResult WriteText(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// --lang, else the interface language of the desktop program.
void UseLanguage(const CliArgs& cli)
{
    ApplyLanguageSetting(LanguageOption(cli, LanguageSetting(CurrentAppSettings().Language)));
}

void PrintLine(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

int ExportCsv(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}});
    const std::string out = cli.Required("--out");
    RadioSettings settings;
    if (FileResult loaded = LoadRecord(cli.Only("record file"), settings); !loaded.ok)
        return Fail(loaded);
    const ChannelCsvExport exported = ExportChannelCsv(settings);
    for (const CsvNameNote& note : exported.notes)
        std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage(CsvNameNoteMessage(note)).c_str());
    return Finished(WriteText(out, exported.text));
}

int ImportCsv(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}, {"--base", 1}, {"--band-limits", 2}, {"--keep-locations", 0}, {"--lang", 1}});
    const std::string out = cli.Required("--out");
    ChannelCsvImportOptions options;
    if (const auto band = BandLimitsOption(cli)) {
        options.band = *band;
    } else {
        const AppSettings app = CurrentAppSettings();
        options.band = app.Bands[size_t(app.BandSelete)];
    }
    options.keepLocations = cli.Has("--keep-locations");
    UseLanguage(cli);
    std::string text;
    if (FileResult read = ReadTextFile(cli.Only("channel table"), text); !read.ok)
        return Fail(read);
    RadioSettings settings;
    if (FileResult loaded = LoadBase(cli, settings); !loaded.ok)
        return Fail(loaded);
    const ChannelCsvImport outcome = ImportChannelCsv(text, options, settings);
    if (outcome.refused)
        return Fail(MessageUtf8({MessageId::CsvNoFrequencyColumn}, AppLang().LangType()));
    for (const std::string& line : CsvImportReportLines(outcome, AppLang().LangType()))
        PrintLine(line);
    PrintLine(MessageUtf8({MessageId::CsvImported, {std::to_string(outcome.imported)}}, AppLang().LangType()));
    return Finished(SaveChannelFile(out, settings));
}

int FromJson(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}, {"--base", 1}});
    const std::string out = cli.Required("--out");
    std::string json;
    if (FileResult read = ReadTextFile(cli.Only("JSON file"), json); !read.ok)
        return Fail(read);
    RadioSettings settings;
    if (FileResult loaded = LoadBase(cli, settings); !loaded.ok)
        return Fail(loaded);
    if (const auto refused = ApplyRecordJson(json, settings))
        return Fail(EnglishMessage(JsonRefusalMessage(*refused)));
    return Finished(SaveChannelFile(out, settings));
}

// The sheet's texts are the ones the window's pages show, from the same tables.
int Sheet(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}, {"--lang", 1}});
    const std::string out = cli.Required("--out");
    const std::string file = cli.Only("record file");
    UseLanguage(cli);
    RadioSettings settings;
    if (FileResult loaded = LoadRecord(file, settings); !loaded.ok)
        return Fail(loaded);
    const AppSettings app = CurrentAppSettings();
    const SheetFacts facts{std::filesystem::path(file).filename().string(), LocalNow(),
                           app.Bands[size_t(app.BandSelete)]};
    const SheetContent content = GatherSheetContent(settings, facts, AppLang().LangType());
    // The PDF writer lays the text out with the system's fonts, which need a GUI application; the
    // offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "kr-t27-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    return Finished(WriteChannelSheetPdf(out, content));
}

}

std::vector<CliCommand> ExchangeCommands()
{
    return {
        {"export-csv", "export-csv FILE.Kqd --out FILE.csv", ExportCsv},
        {"import-csv",
         "import-csv FILE.csv --out FILE.Kqd [--base FILE.Kqd] [--band-limits MIN MAX] [--keep-locations] [--lang 0|1|2]",
         ImportCsv},
        {"from-json", "from-json FILE.json --out FILE.Kqd [--base FILE.Kqd]", FromJson},
        {"sheet", "sheet FILE.Kqd --out FILE.pdf [--lang 0|1|2]", Sheet},
    };
}
