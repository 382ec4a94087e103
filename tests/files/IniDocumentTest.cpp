#include <gtest/gtest.h>

#include "files/IniDocument.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

class IniRoundTripTest : public testing::TestWithParam<const char*> {};

TEST_P(IniRoundTripTest, UnchangedDocumentIsWrittenBackAsItWasRead)
{
    EXPECT_EQ(IniDocument::Parse(GetParam()).Text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniRoundTripTest,
    testing::Values("", "[config]\nPort=1\n", "; comment first\n\n[a]\n  key = spaced value  \n\n\n[b]\nx\n",
                    "[config]\r\nPort=1\r\n\r\n[Band]\r\nband Selete=1\r\n", "\xEF\xBB\xBF[config]\nPort=2\n",
                    "stray=before any section\n[s]\n# hash comment\n;k=v\n=no key\n[unclosed\n",
                    "[s]\nk=v\r\r\n", "[s]\r\nk=1\n[t]\nx=2\r\n"));

TEST(IniDocument, ValueWithStrayCarriageReturnSurvivesWriteBack)
{
    const auto read = IniDocument::Parse("[s]\nk=v\r\r\n");
    EXPECT_EQ(IniDocument::Parse(read.Text()).Value("s", "k"), read.Value("s", "k"));
}

TEST(IniDocument, LastLineWithoutLineEndGetsOne)
{
    EXPECT_EQ(IniDocument::Parse("[s]\nk=v").Text(), "[s]\nk=v\n");
}

TEST(IniDocument, SectionsAndKeysMatchWithoutRegardToCase)
{
    const auto ini = IniDocument::Parse("[CONFIG]\nport=5\n[band]\nBAND SELETE=3\n");
    EXPECT_EQ(ini.Value("config", "Port"), "5");
    EXPECT_EQ(ini.Value("Band", "band Selete"), "3");
}

TEST(IniDocument, LookupRules)
{
    const auto ini = IniDocument::Parse("orphan=1\n"
                                        "[s]\n"
                                        "  spaced  =  7  \n"
                                        "dup=first\n"
                                        "dup=second\n"
                                        ";commented=1\n"
                                        "eq=a=b\n"
                                        "empty=\n"
                                        "[s]\n"
                                        "later=1\n");
    EXPECT_EQ(ini.Value("s", "spaced"), "7");
    EXPECT_EQ(ini.Value("s", "dup"), "first");
    EXPECT_EQ(ini.Value("s", "eq"), "a=b");
    EXPECT_EQ(ini.Value("s", "empty"), "");
    EXPECT_EQ(ini.Value("s", "commented"), std::nullopt);
    EXPECT_EQ(ini.Value("s", ";commented"), std::nullopt);
    EXPECT_EQ(ini.Value("s", "orphan"), std::nullopt);
    EXPECT_EQ(ini.Value("s", "later"), std::nullopt) << "only the first of two same-named sections counts";
    EXPECT_EQ(ini.Value("missing", "spaced"), std::nullopt);
}

TEST(IniDocument, EntriesListsTheSectionInFileOrder)
{
    const auto ini = IniDocument::Parse("[Ports]\nCOM7=/dev/a\n; note\ncom2 = /dev/b\n[next]\nCOM1=/dev/c\n");
    EXPECT_EQ(ini.Entries("ports"), (Entries{{"COM7", "/dev/a"}, {"com2", "/dev/b"}}));
    EXPECT_TRUE(ini.Entries("absent").empty());
}

struct Assignment {
    const char* section;
    const char* key;
    const char* value;
};

struct SetCase {
    const char* rule;
    const char* before;
    std::vector<Assignment> assignments;
    const char* after;
};

class IniSetTest : public testing::TestWithParam<SetCase> {};

TEST_P(IniSetTest, ChangesOnlyWhatItSets)
{
    auto ini = IniDocument::Parse(GetParam().before);
    for (const Assignment& a : GetParam().assignments)
        ini.Set(a.section, a.key, a.value);
    EXPECT_EQ(ini.Text(), GetParam().after) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniSetTest,
    testing::Values(
        SetCase{"a value is rewritten in place, the line otherwise as written",
                "; top\n[Config]\nLanguage=1\nport = 3\n# tail\n", {{"config", "Port", "5"}},
                "; top\n[Config]\nLanguage=1\nport = 5\n# tail\n"},
        SetCase{"a missing key follows the last line of its section, before the blank separator",
                "[config]\nPort=1\n\n[Band]\nband-1 min=1\n",
                {{"config", "Language", "0"}, {"band", "band Selete", "2"}},
                "[config]\nPort=1\nLanguage=0\n\n[Band]\nband-1 min=1\nband Selete=2\n"},
        SetCase{"a missing section is added at the end, its keys in the order set", "[other]\nx=1\n",
                {{"Band", "band Selete", "1"}, {"Band", "band-1 min", "136000000"}},
                "[other]\nx=1\n[Band]\nband Selete=1\nband-1 min=136000000\n"},
        SetCase{"an empty section takes the key right below its header", "[config]\n\n",
                {{"config", "Port", "2"}}, "[config]\nPort=2\n\n"},
        SetCase{"new lines follow the file's line ends", "[config]\r\nPort=1\r\n",
                {{"config", "Language", "2"}, {"Band", "band Selete", "0"}},
                "[config]\r\nPort=1\r\nLanguage=2\r\n[Band]\r\nband Selete=0\r\n"},
        SetCase{"only the first of duplicates changes", "[s]\nk=1\nk=2\n[s]\nk=3\n", {{"s", "k", "9"}},
                "[s]\nk=9\nk=2\n[s]\nk=3\n"}));

}  // namespace
