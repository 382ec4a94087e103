#include <gtest/gtest.h>

#include "text/PrintableText.h"

namespace {

TEST(PrintableText, ControlCharactersAndStrayBytesAreWrittenAsHex)
{
    const struct {
        std::string text;
        std::string printable;
    } cases[] = {
        {"20260504", "20260504"},
        {"V1.02 中文 é", "V1.02 中文 é"},
        {"\x1b[31m12", "\\x1b[31m12"},
        {"a\tb\r\n\x7f", "a\\x09b\\x0d\\x0a\\x7f"},
        {std::string("1\0" "2", 3), "1\\x002"},
        {"\xC2\x9B" "2J", "\\xc2\\x9b2J"},  // the one-character CSI
        {"\xFF" "A\xE4\xB8", "\\xffA\\xe4\\xb8"},
        {"\xED\xA0\x80", "\\xed\\xa0\\x80"},  // a surrogate is no character
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintableText(c.text), c.printable) << c.printable;
}

}
