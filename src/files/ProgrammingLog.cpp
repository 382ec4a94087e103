#include "files/ProgrammingLog.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/AtomicFile.h"
#include "files/CsvTable.h"
#include "files/DataFolder.h"
#include "files/MegahertzText.h"
#include "files/PlatformFile.h"
#include "files/PrivateFolders.h"
#include "model/LocalClock.h"
#include "text/PrintableText.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view LogHeader =
    "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify,port,ids_row";
// The header of logs written before the port and the identity table's row were kept.
constexpr std::string_view NarrowLogHeader =
    "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify";

constexpr size_t ColumnsOf(std::string_view header)
{
    size_t columns = 1;
    for (const char c : header)
        columns += c == CsvComma ? 1 : 0;
    return columns;
}

constexpr size_t LogColumns = ColumnsOf(LogHeader);

constexpr const char* LogFileName = "programming-log.csv";
constexpr const char* LockFileSuffix = ".lock";
constexpr int FirstTmYear = 1900;
constexpr int64_t SecondsPerMinute = 60;
constexpr int64_t MinutesPerHour = 60;
constexpr int64_t SecondsPerHour = 3600;
constexpr int64_t SecondsPerDay = 86400;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, counted in 400-year eras
// (days_from_civil of H. Hinnant's date algorithms).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The broken-down time read as if it were UTC: its distance from the moment is the zone's offset.
// Windows' struct tm has no tm_gmtoff.
int64_t SecondsAsIfUtc(const std::tm& t)
{
    return DaysFromCivil(t.tm_year + FirstTmYear, t.tm_mon + 1, t.tm_mday) * SecondsPerDay +
           t.tm_hour * SecondsPerHour + t.tm_min * SecondsPerMinute + t.tm_sec;
}

// A text field as the log keeps it: readable on a terminal and taken as text by a spreadsheet.
std::string LoggedText(const std::string& text) { return SpreadsheetTextField(PrintableText(text)); }

size_t FieldCount(std::string_view line)
{
    size_t count = 0;
    CsvReader(line).NextRecord([&count](size_t column, std::string_view) { count = column + 1; });
    return count;
}

// A row from before the last columns, with them empty. Blank and comment lines stay as they are.
std::string WidenedLine(const std::string& line)
{
    const size_t count = FieldCount(line);
    return count == 0 || count >= LogColumns ? line : line + std::string(LogColumns - count, CsvComma);
}

bool IsNarrowLog(const std::string& text)
{
    std::string_view firstLine = std::string_view(text).substr(0, text.find('\n'));
    if (!firstLine.empty() && firstLine.back() == '\r')
        firstLine.remove_suffix(1);
    return firstLine == NarrowLogHeader;
}

// The log under today's header with every row widened; each line keeps the end it had.
std::string WidenedLog(const std::string& text)
{
    std::string widened;
    for (size_t from = 0; from < text.size();) {
        const size_t end = std::min(text.find('\n', from), text.size());
        std::string line = text.substr(from, end - from);
        const bool carriageReturn = !line.empty() && line.back() == '\r';
        if (carriageReturn)
            line.pop_back();
        widened += (from == 0 ? std::string(LogHeader) : WidenedLine(line)) + (carriageReturn ? "\r" : "") +
                   text.substr(end, 1);
        from = end + 1;
    }
    return widened;
}

// A log not yet made starts empty; anything else that keeps it from being read keeps it from
// being appended to, so no earlier row is ever lost.
FileResult ReadExistingLog(const std::string& path, std::string& text)
{
    FileResult read = ReadWholeFile(path, text);
    if (!read.ok && read.problem == FileProblem::CannotOpen && read.systemError == ENOENT) {
        text.clear();
        return FileResult::Success();
    }
    return read;
}

FileResult MakeFolderOf(const std::string& path)
{
    const std::string folder = fs::path(path).parent_path().string();
    const std::error_code ec = MakePrivateFolders(folder);
    return ec ? FileResult::Failure(FileProblem::CannotSave, folder, ec.value()) : FileResult::Success();
}

// Every writer of the log, in this process or another, takes its turn at the lock file beside
// it: the log is replaced by renaming, so a lock on the log itself would be lost with the old
// file. In a folder that takes no new file there is no lock file to be had, but there every
// writer writes the log in place, so a lock on the log itself holds.
FileResult LockLog(const std::string& path, platform::FileLock& lock)
{
    int error = lock.Acquire(path + LockFileSuffix);
    if (error == EACCES)
        error = lock.Acquire(path);
    return error == 0 ? FileResult::Success() : FileResult::Failure(FileProblem::CannotSave, path, error);
}

}  // namespace

const char* const ProgrammingLogHeader = LogHeader.data();
const char* const UnsavedRecordFile = "(unsaved)";

std::string DefaultProgrammingLogPath()
{
    const std::string folder = ProgramDataFolder();
    return folder.empty() ? folder : (fs::path(folder) / LogFileName).string();
}

std::string LocalIsoTime() { return LocalIsoTime(std::time(nullptr)); }

std::string LocalIsoTime(std::time_t moment)
{
    const std::tm local = LocalTime(moment);
    const int64_t offset = SecondsAsIfUtc(local) - int64_t(moment);
    const int64_t offsetMinutes = (offset < 0 ? -offset : offset) / SecondsPerMinute;
    // Room for every field at any int, which the compiler cannot rule out.
    char text[128];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + FirstTmYear,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, offset < 0 ? '-' : '+',
                  int(offsetMinutes / MinutesPerHour), int(offsetMinutes % MinutesPerHour));
    return text;
}

std::string ProgrammingLogLine(const ProgrammingLogRow& row)
{
    const std::vector<std::string> fields = {
        row.Time,
        LoggedText(row.Serial),
        LoggedText(row.Firmware),
        MegahertzText(row.BandMin),
        MegahertzText(row.BandMax),
        LoggedText(row.File),
        row.RecordSha256,
        LoggedText(row.PttId),
        LoggedText(row.Ani),
        LoggedText(row.Outcome),
        LoggedText(row.Verify),
        LoggedText(row.Port),
        LoggedText(row.IdsRow),
    };
    return FormatCsvRecord(fields, CsvComma);
}

std::string ProgrammingLogText(const std::vector<std::string>& lines)
{
    std::string text = std::string(ProgrammingLogHeader) + CsvLineEnd;
    for (const std::string& line : lines)
        text += WidenedLine(line) + CsvLineEnd;
    return text;
}

FileResult CheckProgrammingLogTarget(const std::string& path)
{
    if (path.empty())
        return FileResult::Failure(FileProblem::CannotSave, path, ENOENT);
    if (FileResult made = MakeFolderOf(path); !made.ok)
        return made;
    return CheckSaveTarget(path);
}

FileResult AppendProgrammingLogRow(const std::string& path, const ProgrammingLogRow& row)
{
    // Asked before reading, so a pipe or device is never opened at all.
    if (FileResult checked = CheckProgrammingLogTarget(path); !checked.ok)
        return checked;
    platform::FileLock lock;
    if (FileResult locked = LockLog(path, lock); !locked.ok)
        return locked;
    std::string text;
    if (FileResult read = ReadExistingLog(path, text); !read.ok)
        return read;
    const size_t held = text.size();
    const bool widening = IsNarrowLog(text);
    if (widening)
        text = WidenedLog(text);
    if (text.empty())
        text = ProgrammingLogText({});
    else if (text.back() != '\n')
        text += CsvLineEnd;
    text += ProgrammingLogLine(row) + CsvLineEnd;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return widening ? RewriteGrowingFileAtomically(path, held, bytes, text.size(), NewFileAccess::OwnerOnly)
                    : AppendFileAtomically(path, held, bytes, text.size(), NewFileAccess::OwnerOnly);
}
