#include "bundle/SupportBundle.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <tuple>

#include "files/AtomicFile.h"
#include "files/CsvTable.h"
#include "files/ProgrammingLog.h"
#include "lang/Utf8Text.h"

namespace {

constexpr const char* ReadmeName = "README.txt";
constexpr const char* VersionName = "version.txt";
constexpr const char* PortsName = "ports.txt";
constexpr const char* TraceName = "last-transfer.trace";
constexpr const char* BackupsName = "backups.txt";
constexpr const char* LogName = "programming-log.csv";
// The text files the bundle writes itself end their lines as the programming log does, which
// every editor on every system reads.
constexpr const char* LineEnd = CsvLineEnd;

// "20261208-093012-": the time a backup's name begins with, as BackupBaseName writes it.
constexpr size_t StampDateDigits = 8;
constexpr size_t StampTimeDigits = 6;
constexpr size_t StampLength = StampDateDigits + 1 + StampTimeDigits + 1;

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + LineEnd;
    return text;
}

bool AreDigits(const std::string& text, size_t from, size_t count)
{
    return std::all_of(text.begin() + std::ptrdiff_t(from), text.begin() + std::ptrdiff_t(from + count),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> BackupStamp(const std::string& fileName)
{
    if (fileName.size() <= StampLength || !AreDigits(fileName, 0, StampDateDigits) ||
        fileName[StampDateDigits] != '-' || !AreDigits(fileName, StampDateDigits + 1, StampTimeDigits) ||
        fileName[StampLength - 1] != '-')
        return std::nullopt;
    return fileName.substr(0, StampLength);
}

// A backup is its folder and the base its files share: "SERIAL/20261208-093012-read" holds
// ".Kqd" and ".img".
struct BackupFile {
    std::string Stamp;
    std::string Backup;
    std::string Path;
};

class Readme {
public:
    Readme(const SupportBundleSources& sources, TTeskFuncs::TLangType language) : language_(language)
    {
        lines_.push_back(Text({MessageId::BundleReadmeTitle, {sources.Program, LocalIsoTime(sources.Made)}}));
        lines_.emplace_back();
    }

    void Describe(const std::string& name, MessageId what, std::vector<MessageArg> more = {})
    {
        std::vector<MessageArg> args{name};
        args.insert(args.end(), more.begin(), more.end());
        lines_.push_back(Text({what, std::move(args)}));
    }

    void Absent(const std::string& name, const Message& why)
    {
        lines_.push_back(Text({MessageId::BundleFileAbsent, {name, Text(why)}}));
    }

    std::string Finished() const { return Lines(lines_); }

private:
    std::string Text(const Message& message) const { return MessageUtf8(message, language_); }

    TTeskFuncs::TLangType language_;
    std::vector<std::string> lines_;
};

// The entries after the README, which it describes as they are added.
class BundleContents {
public:
    explicit BundleContents(Readme& readme) : readme_(readme) {}

    void Add(const std::string& name, std::string bytes, MessageId what, std::vector<MessageArg> more = {})
    {
        entries_.push_back({name, std::move(bytes)});
        readme_.Describe(name, what, std::move(more));
    }

    void AddFile(const std::string& name, const BundleFile& file, MessageId what, std::vector<MessageArg> more = {})
    {
        if (file.Bytes)
            Add(name, *file.Bytes, what, std::move(more));
        else
            readme_.Absent(name, file.Absent);
    }

    std::vector<ZipEntry> Entries() { return std::move(entries_); }

private:
    Readme& readme_;
    std::vector<ZipEntry> entries_;
};

std::string VersionText(const SupportBundleSources& sources)
{
    return Lines({sources.Program, "system: " + sources.System, "architecture: " + sources.Architecture,
                  "made: " + LocalIsoTime(sources.Made)});
}

BundleFile LogTail(const BundleFile& log)
{
    return log.Bytes ? BundleFile::Of(ProgrammingLogTail(*log.Bytes, BundleLogRows)) : log;
}

}  // namespace

std::string ProgrammingLogTail(const std::string& log, size_t rows)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos)
            end = log.size();
        std::string line = log.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (lines.empty())
        return {};
    const size_t firstRow = lines.size() > rows + 1 ? lines.size() - rows : 1;
    std::vector<std::string> kept{lines.front()};
    kept.insert(kept.end(), lines.begin() + std::ptrdiff_t(firstRow), lines.end());
    return Lines(kept);
}

std::vector<std::string> NewestBackups(const std::vector<std::string>& names, size_t count)
{
    std::vector<BackupFile> files;
    for (const std::string& name : names) {
        const std::string fileName = FileNameOf(name);
        if (const auto stamp = BackupStamp(fileName))
            files.push_back({*stamp, name.substr(0, name.size() - fileName.size()) +
                                         fileName.substr(0, fileName.find('.')),
                             name});
    }
    // Newest first; of one second, the backup named later was made later ("-2" after none).
    std::sort(files.begin(), files.end(), [](const BackupFile& a, const BackupFile& b) {
        return std::tie(b.Stamp, b.Backup, a.Path) < std::tie(a.Stamp, a.Backup, b.Path);
    });
    std::vector<std::string> newest;
    size_t backups = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        if (i == 0 || files[i].Backup != files[i - 1].Backup)
            ++backups;
        if (backups > count)
            break;
        newest.push_back(files[i].Path);
    }
    return newest;
}

std::vector<ZipEntry> SupportBundleEntries(const SupportBundleSources& sources, TTeskFuncs::TLangType language)
{
    Readme readme(sources, language);
    BundleContents contents(readme);
    contents.Add(VersionName, VersionText(sources), MessageId::BundleFileVersion);
    contents.AddFile(sources.SettingsName, sources.Settings, MessageId::BundleFileSettings);
    contents.Add(PortsName, sources.Ports, MessageId::BundleFilePorts);
    contents.AddFile(TraceName, sources.Trace, MessageId::BundleFileTrace);
    contents.Add(BackupsName, Lines(NewestBackups(sources.Backups, BundleBackupCount)),
                 MessageId::BundleFileBackups, {std::to_string(BundleBackupCount)});
    contents.AddFile(LogName, LogTail(sources.ProgrammingLog), MessageId::BundleFileLog,
                     {std::to_string(BundleLogRows)});
    std::vector<ZipEntry> entries{{ReadmeName, readme.Finished()}};
    for (ZipEntry& entry : contents.Entries())
        entries.push_back(std::move(entry));
    return entries;
}

std::optional<std::string> SupportBundleArchive(const SupportBundleSources& sources, TTeskFuncs::TLangType language)
{
    return StoredZipArchive(SupportBundleEntries(sources, language), sources.Made);
}

FileResult SaveSupportBundle(const std::string& path, const SupportBundleSources& sources,
                             TTeskFuncs::TLangType language)
{
    const std::optional<std::string> archive = SupportBundleArchive(sources, language);
    if (!archive)
        return FileResult::Failure(FileProblem::CannotSave, path, EFBIG);
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(archive->data()), archive->size(),
                               NewFileAccess::OwnerOnly);
}
