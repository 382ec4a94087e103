#include <gtest/gtest.h>

#include "radio/RadioOptions.h"

namespace {

using Args = std::vector<std::string>;

TEST(RadioOptions, EveryOptionIsTaken)
{
    const ParsedRadioOptions parsed = ParseRadioOptions(
        {"--link", "/tmp/r", "--link", "/tmp/s", "--memory", "/tmp/m.bin", "--password", "ab 12", "--serial",
         "00000199", "--firmware", "V2.00", "--band-limits", "136000000", "174000000", "--no-pacing", "--sample",
         "--silent-from-step", "2", "--foreign-ident", "--wrong-first-byte", "1", "--nak-block", "3",
         "--long-band-answer", "--read-answer-r", "--flood", "--hangup-after-blocks", "5", "--long-block-answers",
         "--chatter", "3", "--wrong-byte", "16400"});
    ASSERT_TRUE(parsed.Options) << parsed.Error;
    const RadioOptions& o = *parsed.Options;
    EXPECT_EQ(o.LinkPaths, (Args{"/tmp/r", "/tmp/s"}));
    EXPECT_EQ(o.MemoryPath, "/tmp/m.bin");
    EXPECT_EQ(o.Password, "ab 12");
    EXPECT_EQ(o.Serial, "00000199");
    EXPECT_EQ(o.Firmware, "V2.00");
    ASSERT_TRUE(o.Band);
    EXPECT_EQ(o.Band->BandMin, 136000000u);
    EXPECT_EQ(o.Band->BandMax, 174000000u);
    EXPECT_FALSE(o.Pacing);
    EXPECT_TRUE(o.Sample);
    EXPECT_EQ(o.Faults.SilentFromStep, 2);
    EXPECT_TRUE(o.Faults.ForeignIdent);
    EXPECT_EQ(o.Faults.WrongFirstByteStep, 1);
    EXPECT_EQ(o.Faults.NakBlock, 3);
    EXPECT_TRUE(o.Faults.LongBandAnswer);
    EXPECT_TRUE(o.Faults.ReadAnswerR);
    EXPECT_TRUE(o.Faults.Flood);
    EXPECT_EQ(o.Faults.HangupAfterBlocks, 5);
    EXPECT_TRUE(o.Faults.LongBlockAnswers);
    EXPECT_EQ(o.Faults.ChatterBytes, 3u);
    EXPECT_EQ(o.Faults.WrongByteAddress, 0x4010);
}

TEST(RadioOptions, DefaultsArePacedAndFaultless)
{
    const ParsedRadioOptions parsed = ParseRadioOptions({"--link", "/tmp/r"});
    ASSERT_TRUE(parsed.Options);
    EXPECT_TRUE(parsed.Options->Pacing);
    EXPECT_FALSE(parsed.Options->Sample);
    EXPECT_FALSE(parsed.Options->Band);
    EXPECT_FALSE(parsed.Options->Faults.SilentFromStep);
    EXPECT_FALSE(parsed.Options->Faults.Flood);
}

struct SequenceCase {
    Args arguments;
    std::vector<NextRadio> nextRadios;
    int swapSilenceMs;
    int sessionsPerRadio;
};

class SequenceOptions : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceOptions, AreTaken)
{
    Args arguments = {"--link", "/tmp/r"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const ParsedRadioOptions parsed = ParseRadioOptions(arguments);
    ASSERT_TRUE(parsed.Options) << parsed.Error;
    const RadioOptions& o = *parsed.Options;
    ASSERT_EQ(o.NextRadios.size(), GetParam().nextRadios.size());
    for (size_t i = 0; i < o.NextRadios.size(); ++i) {
        EXPECT_EQ(o.NextRadios[i].Serial, GetParam().nextRadios[i].Serial);
        EXPECT_EQ(o.NextRadios[i].MemoryPath, GetParam().nextRadios[i].MemoryPath);
    }
    EXPECT_EQ(o.SwapSilenceMs, GetParam().swapSilenceMs);
    EXPECT_EQ(o.SessionsPerRadio, GetParam().sessionsPerRadio);
}

INSTANTIATE_TEST_SUITE_P(
    Radios, SequenceOptions,
    ::testing::Values(SequenceCase{{}, {}, 2000, 1},
                      SequenceCase{{"--next-radio", "200"}, {{"200", ""}}, 2000, 1},
                      SequenceCase{{"--next-radio", "00000200:/tmp/b.bin", "--next-radio", "3:c:d.bin"},
                                   {{"00000200", "/tmp/b.bin"}, {"3", "c:d.bin"}}, 2000, 1},
                      SequenceCase{{"--swap-silence", "0", "--sessions-per-radio", "2"}, {}, 0, 2},
                      SequenceCase{{"--swap-silence", "3600000"}, {}, 3600000, 1}));

TEST(RadioOptions, SerialBytesMayHoldWhatNoSerialNumberHolds)
{
    const ParsedRadioOptions parsed = ParseRadioOptions({"--link", "/tmp/r", "--serial-bytes", "1B5b33316d00ff"});
    ASSERT_TRUE(parsed.Options) << parsed.Error;
    EXPECT_EQ(parsed.Options->Serial, std::string("\x1b[31m\0\xff", 7));
}

class RejectedOptions : public ::testing::TestWithParam<Args> {};

TEST_P(RejectedOptions, AreReportedWithoutOptions)
{
    const ParsedRadioOptions parsed = ParseRadioOptions(GetParam());
    EXPECT_FALSE(parsed.Options);
    EXPECT_FALSE(parsed.Error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, RejectedOptions,
    ::testing::Values(Args{}, Args{"--memory", "/tmp/m"}, Args{"--link"}, Args{"--link", "/tmp/r", "--bogus"},
                      Args{"--link", "/tmp/r", "--password", "seventeen-chars-x"},
                      Args{"--link", "/tmp/r", "--password", "caf\xc3\xa9"},
                      Args{"--link", "/tmp/r", "--serial", "123456789"}, Args{"--link", "/tmp/r", "--serial", "12a"},
                      Args{"--link", "/tmp/r", "--serial-bytes", "1b5"},
                      Args{"--link", "/tmp/r", "--serial-bytes", "1b5b33316d3132333435"},
                      Args{"--link", "/tmp/r", "--serial-bytes", "zz"}, Args{"--link", "/tmp/r", "--serial-bytes", ""},
                      Args{"--link", "/tmp/r", "--firmware", "thirteen-char"},
                      Args{"--link", "/tmp/r", "--band-limits", "174000000", "136000000"},
                      Args{"--link", "/tmp/r", "--band-limits", "136000000"},
                      Args{"--link", "/tmp/r", "--band-limits", "1", "4294967296"},
                      Args{"--link", "/tmp/r", "--silent-from-step", "4"},
                      Args{"--link", "/tmp/r", "--wrong-first-byte", "-1"},
                      Args{"--link", "/tmp/r", "--nak-block", "0"},
                      Args{"--link", "/tmp/r", "--hangup-after-blocks", "x"},
                      Args{"--link", "/tmp/r", "--chatter", "0"}, Args{"--link", "/tmp/r", "--chatter", "961"},
                      Args{"--link", "/tmp/r", "--next-radio"}, Args{"--link", "/tmp/r", "--next-radio", ""},
                      Args{"--link", "/tmp/r", "--next-radio", ":b.bin"},
                      Args{"--link", "/tmp/r", "--next-radio", "123456789"},
                      Args{"--link", "/tmp/r", "--next-radio", "12a:b.bin"},
                      Args{"--link", "/tmp/r", "--next-radio", "200:"},
                      Args{"--link", "/tmp/r", "--swap-silence", "-1"},
                      Args{"--link", "/tmp/r", "--swap-silence", "3600001"},
                      Args{"--link", "/tmp/r", "--sessions-per-radio", "0"},
                      Args{"--link", "/tmp/r", "--link", "/tmp/r"},
                      Args{"--link", "/tmp/r", "--link", "/tmp/s", "--serial-bytes", "1b5b"},
                      Args{"--link", "/tmp/r", "--link", "/tmp/s", "--serial", "99999500"},
                      Args{"--link", "/tmp/r", "--link", "/tmp/s", "--next-radio", "99999001"},
                      Args{"--link", "/tmp/r", "--link", "/tmp/s", "--memory", "m.bin", "--next-radio", "2:m-1.bin"}));

}
