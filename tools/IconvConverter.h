#pragma once

#include <iconv.h>

#include <optional>
#include <string>

// glibc's iconv, as the codec tables are generated from it and checked against it.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : Handle_(iconv_open(to, from)) {}
    ~IconvConverter()
    {
        if (IsOpen())
            iconv_close(Handle_);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool IsOpen() const { return Handle_ != iconv_t(-1); }

    // The whole input converted, or nothing when iconv stops anywhere.
    std::optional<std::string> Convert(std::string input) const { return Run(std::move(input), false); }

    // How the program converted before it had tables: on a byte iconv cannot take, "?" and on.
    std::string ConvertMarkingUnknown(std::string input) const { return *Run(std::move(input), true); }

private:
    // Four output bytes per input byte hold any conversion between UTF-8, UTF-32 and the
    // double-byte encodings, and one more character for the shift state.
    static constexpr size_t OutputGrowth = 4;

    std::optional<std::string> Run(std::string input, bool markUnknown) const
    {
        iconv(Handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * OutputGrowth + OutputGrowth, '\0');
        char* in = input.data();
        size_t inLeft = input.size();
        char* out = output.data();
        size_t outLeft = output.size();
        while (inLeft > 0 && iconv(Handle_, &in, &inLeft, &out, &outLeft) == size_t(-1)) {
            if (!markUnknown)
                return std::nullopt;
            *out++ = '?';
            --outLeft;
            ++in;
            --inLeft;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

    iconv_t Handle_;
};
