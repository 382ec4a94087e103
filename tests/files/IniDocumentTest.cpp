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
                    "stray=before any section\n[s]\n# hash comment\n;k=v\n=no key\n[unclosed\n"));

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

TEST(IniDocument, SetRewritesTheValueInPlaceKeepingTheLineAsWritten)
{
    auto ini = IniDocument::Parse("; top\n[Config]\nLanguage=1\nport = 3\n# tail\n");
    ini.Set("config", "Port", "5");
    EXPECT_EQ(ini.Text(), "; top\n[Config]\nLanguage=1\nport = 5\n# tail\n");
}

TEST(IniDocument, SetAppendsAMissingKeyAfterTheLastLineOfItsSection)
{
    auto ini = IniDocument::Parse("[config]\nPort=1\n\n[Band]\nband-1 min=1\n");
    ini.Set("config", "Language", "0");
    ini.Set("band", "band Selete", "2");
    EXPECT_EQ(ini.Text(), "[config]\nPort=1\nLanguage=0\n\n[Band]\nband-1 min=1\nband Selete=2\n");
}

TEST(IniDocument, SetAddsAMissingSectionAtTheEnd)
{
    auto ini = IniDocument::Parse("[other]\nx=1\n");
    ini.Set("Band", "band Selete", "1");
    ini.Set("Band", "band-1 min", "136000000");
    EXPECT_EQ(ini.Text(), "[other]\nx=1\n[Band]\nband Selete=1\nband-1 min=136000000\n");
}

TEST(IniDocument, SetIntoAnEmptySectionAtTheEndOfTheFile)
{
    auto ini = IniDocument::Parse("[config]\n\n");
    ini.Set("config", "Port", "2");
    EXPECT_EQ(ini.Text(), "[config]\nPort=2\n\n");
}

TEST(IniDocument, NewLinesFollowTheFilesLineEnds)
{
    auto ini = IniDocument::Parse("[config]\r\nPort=1\r\n");
    ini.Set("config", "Language", "2");
    ini.Set("Band", "band Selete", "0");
    EXPECT_EQ(ini.Text(), "[config]\r\nPort=1\r\nLanguage=2\r\n[Band]\r\nband Selete=0\r\n");
}

TEST(IniDocument, SetChangesOnlyTheFirstOfDuplicates)
{
    auto ini = IniDocument::Parse("[s]\nk=1\nk=2\n[s]\nk=3\n");
    ini.Set("s", "k", "9");
    EXPECT_EQ(ini.Text(), "[s]\nk=9\nk=2\n[s]\nk=3\n");
}

}  // namespace
