#include "lang/Big5Decoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#ifdef _WIN32

namespace {

constexpr UINT Big5CodePage = 950;

}

// Without MB_ERR_INVALID_CHARS the system puts its own stand-in for a broken sequence.
std::string Big5ToUtf8(std::string_view big5)
{
    if (big5.empty())
        return {};
    const int wideLength = MultiByteToWideChar(Big5CodePage, 0, big5.data(), int(big5.size()), nullptr, 0);
    std::wstring wide(size_t(wideLength), L'\0');
    MultiByteToWideChar(Big5CodePage, 0, big5.data(), int(big5.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

#else

std::string Big5ToUtf8(std::string_view big5)
{
    const iconv_t converter = iconv_open("UTF-8", "BIG5");
    if (converter == iconv_t(-1))
        return std::string(big5);
    std::string input(big5);
    // A two-byte Big5 character becomes at most three UTF-8 bytes; a single byte at most one.
    std::string utf8(input.size() * 2, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    while (inLeft > 0 && iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1)) {
        *out++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    iconv_close(converter);
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

#endif
