#include <gtest/gtest.h>

#include "radio/SeveralLinks.h"

namespace {

TEST(SeveralLinks, SerialNumbersCountUpAThousandALinkAndKeepTheirDigits)
{
    const struct {
        std::string serial;
        size_t link;
        std::optional<std::string> onLink;
    } cases[] = {
        {"00000199", 0, "00000199"}, {"00000199", 1, "00001199"}, {"20260504", 3, "20263504"},
        {"42", 1, "1042"},           {"", 2, "2000"},             {"99998999", 1, "99999999"},
        {"99999000", 1, std::nullopt}, {"1b", 1, std::nullopt},   {"\x1b[31m", 0, "\x1b[31m"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SerialOnLink(c.serial, c.link), c.onLink) << c.serial << " on link " << c.link;
}

TEST(SeveralLinks, EachLinkKeepsItsMemoryInFilesOfItsOwn)
{
    const struct {
        std::string path;
        size_t link;
        std::string onLink;
    } cases[] = {
        {"memory.bin", 0, "memory.bin"}, {"memory.bin", 2, "memory-2.bin"}, {"/tmp/a.b/radio", 1, "/tmp/a.b/radio-1"},
        {"x.tar.bin", 1, "x.tar-1.bin"}, {"", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MemoryFileOnLink(c.path, c.link), c.onLink) << c.path << " on link " << c.link;
}

TEST(SeveralLinks, ALinkPlaysTheWholeSequenceUnderItsOwnNumbers)
{
    RadioOptions options;
    options.LinkPaths = {"/tmp/r", "/tmp/s"};
    options.MemoryPath = "m.bin";
    options.NextRadios = {{"200", ""}, {"00000300", "third.bin"}};
    const std::optional<RadioOptions> onLink = OptionsOnLink(options, 1, "100");
    ASSERT_TRUE(onLink);
    EXPECT_EQ(onLink->LinkPaths, std::vector<std::string>{"/tmp/s"});
    EXPECT_EQ(onLink->Serial, "1100");
    EXPECT_EQ(onLink->MemoryPath, "m-1.bin");
    ASSERT_EQ(onLink->NextRadios.size(), 2u);
    EXPECT_EQ(onLink->NextRadios[0].Serial + " " + onLink->NextRadios[0].MemoryPath, "1200 ");
    EXPECT_EQ(onLink->NextRadios[1].Serial + " " + onLink->NextRadios[1].MemoryPath, "00001300 third-1.bin");
    EXPECT_FALSE(OptionsOnLink(options, 1, "9999x"));
    EXPECT_EQ(MemoryFileOnTwoLinks({options, *onLink}), "");
}

}
