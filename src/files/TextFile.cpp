#include "files/TextFile.h"

#include <cstdint>

#include "files/AtomicFile.h"

FileResult ReadTextFile(const std::string& path, std::string& text)
{
    std::string bytes(TextFileLimit + 1, '\0');
    size_t got = 0;
    FileResult result = ReadFilePrefix(path, reinterpret_cast<uint8_t*>(bytes.data()), bytes.size(), got);
    if (!result.ok)
        return result;
    if (got > TextFileLimit)
        return FileResult::WrongSize(FileProblem::TextFileTooLarge, path, got, TextFileLimit);
    bytes.resize(got);
    text = std::move(bytes);
    return result;
}
