#pragma once

#include <string>
#include <vector>

// Puts the arguments in place of %1 to %9 in one pass, so that an argument that itself holds
// "%2" stays as it is; a placeholder without an argument stays standing. In the GBK and Big5
// patterns '%' and the digits never occur inside a double-byte character.
template <typename Char>
std::basic_string<Char> InsertArguments(const std::basic_string<Char>& pattern,
                                        const std::vector<std::basic_string<Char>>& args)
{
    std::basic_string<Char> out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const Char next = i + 1 < pattern.size() ? pattern[i + 1] : Char(0);
        const bool placeholder = pattern[i] == Char('%') && next >= Char('1') && next <= Char('9');
        const size_t index = placeholder ? size_t(next - Char('1')) : args.size();
        if (index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
