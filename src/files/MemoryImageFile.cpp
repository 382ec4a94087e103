#include "files/MemoryImageFile.h"

#include <algorithm>

#include "files/AtomicFile.h"

FileResult OpenImageFile(const std::string& path, MemoryImage& image)
{
    // One byte more than an image tells a longer file from an image.
    uint8_t bytes[MemoryImageSize + 1];
    size_t got = 0;
    FileResult result = ReadFilePrefix(path, bytes, sizeof bytes, got);
    if (!result.ok)
        return result;
    if (got != MemoryImageSize)
        return FileResult::WrongSize(FileProblem::ImageWrongSize, path, got, MemoryImageSize);
    std::copy(bytes, bytes + MemoryImageSize, image.begin());
    return result;
}
