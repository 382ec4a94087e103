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

std::string Utf8ToGbk(std::string_view utf8)
{
    constexpr UINT GbkCodePage = 936;
    if (utf8.empty())
        return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), nullptr, 0);
    if (wideLength <= 0)
        Fail(utf8);
    std::wstring wide(size_t(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), wide.data(), wideLength);
    BOOL lossy = FALSE;
    const int gbkLength = WideCharToMultiByte(GbkCodePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, &lossy);
    if (gbkLength <= 0 || lossy)
        Fail(utf8);
    std::string gbk(size_t(gbkLength), '\0');
    WideCharToMultiByte(GbkCodePage, 0, wide.data(), wideLength, gbk.data(), gbkLength, nullptr, nullptr);
    return gbk;
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

}

std::string Utf8ToGbk(std::string_view utf8)
{
    IconvHandle converter("GBK", "UTF-8");
    if (!converter.IsOpen())
        Fail(utf8);
    std::string input(utf8);
    // A GBK text is never longer than its UTF-8 form: ASCII stays one byte, the rest shrinks.
    std::string gbk(input.size(), '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = gbk.data();
    size_t outLeft = gbk.size();
    if (iconv(converter.Get(), &in, &inLeft, &out, &outLeft) == size_t(-1))
        Fail(utf8);
    gbk.resize(gbk.size() - outLeft);
    return gbk;
}

#endif
