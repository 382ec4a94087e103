#include <cstdio>
#include <ctime>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/RecordDump.h"
#include "files/RecordJson.h"
#include "files/AtomicFile.h"
#include "files/ChannelDataFile.h"
#include "files/MemoryImageFile.h"
#include "lang/AppLang.h"
#include "model/MemoryImage.h"

namespace {

// Loads a record file into `settings`; throws nothing, reports through the result.
FileResult LoadRecord(const std::string& path, RadioSettings& settings)
{
    settings.ResetToDefaults();
    return OpenChannelFile(path, settings);
}

constexpr int TmYearBase = 1900;

// strptime checks each field alone and takes 2024-02-30.
bool IsCalendarDay(const std::tm& tm)
{
    constexpr int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    constexpr int February = 1;
    const int year = tm.tm_year + TmYearBase;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = MonthDays[tm.tm_mon] + (tm.tm_mon == February && leap ? 1 : 0);
    return tm.tm_mday <= days;
}

DateTimeStamp ParseStamp(const std::string& text)
{
    std::tm tm{};
    const char* end = strptime(text.c_str(), "%Y-%m-%d %H:%M", &tm);
    if (!end || *end != '\0')
        throw UsageError("--now wants \"YYYY-MM-DD HH:MM\", not \"" + text + "\"");
    if (!IsCalendarDay(tm))
        throw UsageError("--now: " + text + " is no day of the calendar");
    return {uint16_t(tm.tm_year + TmYearBase), uint8_t(tm.tm_mon + 1), uint8_t(tm.tm_mday), uint8_t(tm.tm_hour),
            uint8_t(tm.tm_min)};
}

int NewRecord(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}});
    if (!cli.Positional().empty())
        throw UsageError("new takes no file argument; use --out");
    RadioSettings settings;
    settings.ResetToDefaults();
    return Finished(SaveChannelFile(cli.Required("--out"), settings));
}

int PackImage(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}, {"--band-limits", 2}, {"--now", 1}});
    const std::string out = cli.Required("--out");
    const BandLimits band = BandLimitsOption(cli).value_or(BandLimits{});
    const DateTimeStamp now = cli.Has("--now") ? ParseStamp(*cli.Value("--now")) : LocalNow();
    RadioSettings settings;
    if (FileResult loaded = LoadRecord(cli.Only("record file"), settings); !loaded.ok)
        return Fail(loaded);
    MemoryImage image;
    GetDataForWrite(settings, band, now, image);
    return Finished(WriteFileAtomically(out, image.data(), image.size()));
}

int UnpackImage(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}, {"--base", 1}});
    const std::string out = cli.Required("--out");
    MemoryImage image;
    if (FileResult loaded = OpenImageFile(cli.Only("image file"), image); !loaded.ok)
        return Fail(loaded);
    RadioSettings settings;
    settings.ResetToDefaults();
    if (auto base = cli.Value("--base"))
        if (FileResult loaded = LoadRecord(*base, settings); !loaded.ok)
            return Fail(loaded);
    BandLimits band;
    SetDataToSoftware(image, settings, band);
    if (FileResult saved = SaveChannelFile(out, settings); !saved.ok)
        return Fail(saved);
    std::printf("band limits: %u %u\nlast programmed: %u-%02u-%02u %02u:%02u\n", band.BandMin, band.BandMax,
                unsigned(settings.LastWriteYear), settings.LastWriteMonth, settings.LastWriteDay, settings.LastWriteHour,
                settings.LastWriteMinute);
    return ExitSuccess;
}

int Dump(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--json", 0}, {"--lang", 1}});
    ApplyLanguageSetting(LanguageOption(cli, LanguageSetting::English));
    RadioSettings settings;
    if (FileResult loaded = LoadRecord(cli.Only("record file"), settings); !loaded.ok)
        return Fail(loaded);
    const std::string text = cli.Has("--json") ? RecordJson(settings) : DumpRecordText(settings, AppLang().LangType());
    std::fwrite(text.data(), 1, text.size(), stdout);
    return ExitSuccess;
}

}

std::vector<CliCommand> FileCommands()
{
    return {
        {"new", "new --out FILE.Kqd", NewRecord},
        {"image", "image FILE.Kqd --out IMAGE.bin [--band-limits MIN MAX] [--now \"YYYY-MM-DD HH:MM\"]", PackImage},
        {"from-image", "from-image IMAGE.bin --out FILE.Kqd [--base FILE.Kqd]", UnpackImage},
        {"dump", "dump FILE.Kqd [--json] [--lang 0|1|2]", Dump},
    };
}
