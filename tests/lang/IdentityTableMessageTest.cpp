#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/IdentityTableMessage.h"

namespace {

TEST(IdentityTableMessage, NamesTheFileTheLineAndWhatIsWrong)
{
    std::string text = "serial,ani,password\n1001,1,\n1002,12X4,\n1003,3,\n1002,\x1B[2J,a\xC3\xA9\n";
    for (size_t i = 0; i < MostIdentityProblems; ++i)
        text += ",,\n";
    std::vector<std::string> english;
    for (const Message& message : IdentityTableMessages(ReadIdentityTable(text), "ids.csv"))
        english.push_back(EnglishMessage(message));
    ASSERT_EQ(english.size(), MostIdentityProblems + 1);
    const std::vector<std::string> first(english.begin(), english.begin() + 4);
    const std::vector<std::string> expected = {
        "ids.csv line 3: ani \"12X4\" is not a DTMF code of at most 10 digits (0-9, A-D, *, #)",
        "ids.csv line 5: serial 1002 is already on line 3",
        "ids.csv line 5: ani \"\\x1b[2J\" is not a DTMF code of at most 10 digits (0-9, A-D, *, #)",
        "ids.csv line 5: the password is not one of at most 16 printable ASCII characters",
    };
    EXPECT_EQ(first, expected);
    EXPECT_EQ(english[4], "ids.csv line 6: the row gives neither a serial nor a slot");
    EXPECT_EQ(english.back(), "ids.csv: 4 more problem(s) not listed");
}

}  // namespace
