#include <emscripten/bind.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "PageLanguage.h"
#include "files/FileResult.h"
#include "files/TextFile.h"
#include "lang/FileMessage.h"
#include "lang/Utf8Text.h"

// A channel table or JSON text the page is about to read: one larger than the desktop reads is
// refused before its bytes are taken, in the desktop's words.

namespace {

// `size` is a number of bytes as the browser gives it, which may be beyond 32 bits.
std::string TextFileRefusal(const std::string& name, double size, int language)
{
    if (size <= double(TextFileLimit))
        return "";
    const size_t held = size_t(std::min(size, double(SIZE_MAX)));
    const FileResult tooLarge = FileResult::WrongSize(FileProblem::TextFileTooLarge, name, held, TextFileLimit);
    return MessageUtf8(FileMessage(tooLarge), PageLanguage(language));
}

}

EMSCRIPTEN_BINDINGS(kr_t27_files)
{
    emscripten::function("textFileRefusal", &TextFileRefusal);
}
