#pragma once

#include <string>

#include "files/FileResult.h"
#include "model/MemoryImage.h"

// A memory image in a file, as `kr-t27-cli image` writes it and a read keeps beside its backup:
// exactly MemoryImageSize bytes. Any other size is refused as ImageWrongSize, with the image left
// as it was.
FileResult OpenImageFile(const std::string& path, MemoryImage& image);
