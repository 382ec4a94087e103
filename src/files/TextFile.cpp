#include "files/TextFile.h"

#include <utility>

#include "files/AtomicFile.h"

FileResult ReadTextFile(const std::string& path, std::string& text, size_t limit)
{
    std::string bytes;
    const FileResult result = ReadWholeFile(path, bytes, limit + 1);
    if (!result.ok)
        return result;
    if (bytes.size() > limit)
        return FileResult::WrongSize(FileProblem::TextFileTooLarge, path, bytes.size(), limit);
    text = std::move(bytes);
    return result;
}
