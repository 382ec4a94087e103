#include "cli/OutputFile.h"

#include "cli/TransferOptions.h"
#include "files/AtomicFile.h"
#include "files/SameFile.h"
#include "lang/FileMessage.h"

namespace {

constexpr const char* WrittenOptions[] = {"--out", "--trace", "--log"};
constexpr const char* ReadOptions[] = {"--base", "--ids", PresentedPasswordSources.fileOption, NewPasswordSources.fileOption};
// Checked for writing here; the programming log is appended to and checked by its own rules.
constexpr const char* SavedOptions[] = {"--out", "--trace"};

struct NamedFile {
    std::string what;
    std::string path;
    bool written = false;
};

std::vector<NamedFile> FilesNamed(const CliArgs& cli, const std::vector<FileArgument>& readArguments)
{
    std::vector<NamedFile> files;
    for (const char* option : WrittenOptions)
        if (const auto path = cli.Value(option))
            files.push_back({option, *path, true});
    for (const char* option : ReadOptions)
        if (const auto path = cli.Value(option))
            files.push_back({option, *path, false});
    for (const FileArgument& argument : readArguments)
        files.push_back({argument.what, argument.path, false});
    return files;
}

// Reading a record from the radio on top of --base and saving it over that file is how a record is
// brought up to date: the base is read whole before anything is written.
bool MayShareAFile(const NamedFile& first, const NamedFile& second)
{
    if (!first.written && !second.written)
        return true;
    return (first.what == "--out" && second.what == "--base") || (first.what == "--base" && second.what == "--out");
}

}  // namespace

std::optional<std::string> WhyNotWritable(const std::string& path)
{
    const FileResult checked = CheckSaveTarget(path);
    if (checked.ok)
        return std::nullopt;
    return EnglishMessage(FileMessage(checked));
}

std::optional<std::string> WhyFilesRefused(const CliArgs& cli, const std::vector<FileArgument>& readArguments)
{
    const std::vector<NamedFile> files = FilesNamed(cli, readArguments);
    for (size_t i = 0; i < files.size(); ++i) {
        for (size_t j = i + 1; j < files.size(); ++j) {
            if (!MayShareAFile(files[i], files[j]) && NameTheSameFile(files[i].path, files[j].path))
                return EnglishMessage({MessageId::SameFileTwice, {files[i].what, files[j].what, files[j].path}});
        }
    }
    for (const char* option : SavedOptions)
        if (const auto path = cli.Value(option))
            if (auto unwritable = WhyNotWritable(*path))
                return unwritable;
    return std::nullopt;
}
