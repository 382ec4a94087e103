#include "lang/GbkEncoding.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

[[noreturn]] void Fail(std::string_view utf8)
{
    throw std::runtime_error("text has no GBK form: " + std::string(utf8));
}

}

#ifdef _WIN32

namespace {

constexpr UINT GbkCodePage = 936;

std::wstring Wide(UINT codePage, DWORD flags, std::string_view text)
{
    const int length = MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide, BOOL* lossy)
{
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, lossy);
    if (length <= 0)
        return {};
    std::string text(size_t(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}

}

std::optional<std::string> TryUtf8ToGbk(std::string_view utf8)
{
    if (utf8.empty())
        return std::string();
    const std::wstring wide = Wide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    BOOL lossy = FALSE;
    std::string gbk = wide.empty() ? std::string() : Narrow(GbkCodePage, wide, &lossy);
    if (gbk.empty() || lossy)
        return std::nullopt;
    return gbk;
}

// Without MB_ERR_INVALID_CHARS the system puts its own stand-in for a broken sequence.
std::string GbkToUtf8(std::string_view gbk)
{
    return gbk.empty() ? std::string() : Narrow(CP_UTF8, Wide(GbkCodePage, 0, gbk), nullptr);
}

std::optional<std::string> TryGbkToUtf8(std::string_view gbk)
{
    if (gbk.empty())
        return std::string();
    const std::wstring wide = Wide(GbkCodePage, MB_ERR_INVALID_CHARS, gbk);
    if (wide.empty())
        return std::nullopt;
    return Narrow(CP_UTF8, wide, nullptr);
}

#else

namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : Handle_(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (IsOpen())
            iconv_close(Handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool IsOpen() const { return Handle_ != iconv_t(-1); }
    iconv_t Get() const { return Handle_; }

private:
    iconv_t Handle_;
};

// A byte that starts no GBK character ends the decoding, or with `replace` becomes "?".
std::optional<std::string> DecodeGbk(std::string_view gbk, bool replace)
{
    IconvHandle converter("UTF-8", "GBK");
    if (!converter.IsOpen())
        return replace ? std::optional<std::string>(std::string()) : std::nullopt;
    std::string input(gbk);
    // One GBK byte becomes at most three UTF-8 bytes (a two-byte character at most three as well).
    std::string utf8(input.size() * 3, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    while (inLeft > 0 && iconv(converter.Get(), &in, &inLeft, &out, &outLeft) == size_t(-1)) {
        if (!replace)
            return std::nullopt;
        *out++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

}

std::optional<std::string> TryUtf8ToGbk(std::string_view utf8)
{
    IconvHandle converter("GBK", "UTF-8");
    if (!converter.IsOpen())
        return std::nullopt;
    std::string input(utf8);
    // A GBK text is never longer than its UTF-8 form: ASCII stays one byte, the rest shrinks.
    std::string gbk(input.size(), '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = gbk.data();
    size_t outLeft = gbk.size();
    if (iconv(converter.Get(), &in, &inLeft, &out, &outLeft) == size_t(-1))
        return std::nullopt;
    gbk.resize(gbk.size() - outLeft);
    return gbk;
}

std::string GbkToUtf8(std::string_view gbk) { return *DecodeGbk(gbk, true); }

std::optional<std::string> TryGbkToUtf8(std::string_view gbk) { return DecodeGbk(gbk, false); }

#endif

std::string Utf8ToGbk(std::string_view utf8)
{
    if (auto gbk = TryUtf8ToGbk(utf8))
        return *gbk;
    Fail(utf8);
}
