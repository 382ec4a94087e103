#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

#include "FileContents.h"
#include "LinkClient.h"
#include "LinkFrames.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "model/MemoryImage.h"

namespace {

using Frame = std::vector<uint8_t>;

Frame Block(uint8_t seed)
{
    Frame data(16);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(seed * 3 + i);
    return data;
}

Frame Join(Frame a, const Frame& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool Exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

// Runs hello, information and password frames and checks each answer.
void Handshake(LinkClient& link, const std::string& serial, const std::string& password)
{
    ASSERT_EQ(link.Exchange(LinkFrames::Hello(), 8), LinkFrames::Ident());
    ASSERT_EQ(link.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer(serial, password));
    ASSERT_EQ(link.Exchange(LinkFrames::KeepPassword(), 17), LinkFrames::BandAnswer(400000000, 470000000));
}

struct VirtualRadioTest : ::testing::Test {
    ScratchDir dir;
    std::string linkPath = dir.File("radio");
    std::string memoryPath = dir.File("memory.bin");
};

TEST_F(VirtualRadioTest, AnnouncesItsLinkAndAnswersAWholeSession)
{
    RadioProcess radio(linkPath, {"--serial", "00000199", "--password", "1234"});
    ASSERT_EQ(radio.AnnouncedPath(), linkPath);
    LinkClient link(linkPath);
    ASSERT_TRUE(link.IsOpen());
    Handshake(link, "00000199", "1234");
    EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4000, Block(1)), 1), Frame{0x06});
    EXPECT_EQ(link.Exchange(LinkFrames::Read(0x4000, 16), 20), LinkFrames::ReadAnswer(0x4000, Block(1)));
    link.Send(LinkFrames::End());
    EXPECT_TRUE(link.Receive(1, 200).empty());
}

TEST_F(VirtualRadioTest, AssemblesFramesSentInPiecesAndSkipsNoise)
{
    RadioProcess radio(linkPath, {"--no-pacing"});
    LinkClient link(linkPath);
    link.Send({0x55, 0x00, 0x06, 'K', 'O'});
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(link.Exchange({'R', 'V', 'A', 'N', 'E'}, 8), LinkFrames::Ident());
}

TEST_F(VirtualRadioTest, IgnoresFramesBeforeTheHello)
{
    RadioProcess radio(linkPath, {"--no-pacing"});
    LinkClient link(linkPath);
    EXPECT_TRUE(link.Exchange(LinkFrames::InfoRequest(), 1, 300).empty());
    EXPECT_TRUE(link.Exchange(LinkFrames::Read(0x4000, 16), 1, 300).empty());
    EXPECT_EQ(link.Exchange(LinkFrames::Hello(), 8), LinkFrames::Ident());
}

TEST_F(VirtualRadioTest, InstalledPasswordIsReportedInTheNextSession)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--password", "old"});
    {
        LinkClient link(linkPath);
        link.Exchange(LinkFrames::Hello(), 8);
        EXPECT_EQ(link.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer("", "old"));
        EXPECT_EQ(link.Exchange(LinkFrames::InstallPassword("New#1"), 17),
                  LinkFrames::BandAnswer(400000000, 470000000));
        link.Send(LinkFrames::End());
    }
    LinkClient link(linkPath);
    link.Exchange(LinkFrames::Hello(), 8);
    EXPECT_EQ(link.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer("", "New#1"));
}

TEST_F(VirtualRadioTest, MemorySurvivesARestart)
{
    {
        RadioProcess radio(linkPath, {"--no-pacing", "--memory", memoryPath, "--serial", "42"});
        LinkClient link(linkPath);
        Handshake(link, "42", "");
        EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4120, Block(9)), 1), Frame{0x06});
        link.Send(LinkFrames::End());
        link.Receive(1, 200);
        const std::string saved = ReadAll(memoryPath);
        ASSERT_EQ(saved.size(), MemoryImageSize);
        EXPECT_EQ(Frame(saved.begin() + 0x120, saved.begin() + 0x130), Block(9));
    }
    RadioProcess radio(linkPath, {"--no-pacing", "--memory", memoryPath});
    LinkClient link(linkPath);
    Handshake(link, "42", "");
    EXPECT_EQ(link.Exchange(LinkFrames::Read(0x4120, 16), 20), LinkFrames::ReadAnswer(0x4120, Block(9)));
}

TEST_F(VirtualRadioTest, TerminationRemovesTheLinkAndKeepsUnendedWrites)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--memory", memoryPath});
    {
        LinkClient link(linkPath);
        link.Exchange(LinkFrames::Hello(), 8);
        EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4010, Block(4)), 1), Frame{0x06});
    }
    EXPECT_EQ(radio.Stop(), 0);
    EXPECT_FALSE(Exists(linkPath));
    const std::string saved = ReadAll(memoryPath);
    ASSERT_EQ(saved.size(), MemoryImageSize);
    EXPECT_EQ(Frame(saved.begin() + 0x10, saved.begin() + 0x20), Block(4));
}

TEST_F(VirtualRadioTest, BandLimitsAreAnsweredAndCarriedByTheImage)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--band-limits", "136000000", "174000000"});
    LinkClient link(linkPath);
    link.Exchange(LinkFrames::Hello(), 8);
    EXPECT_EQ(link.Exchange(LinkFrames::KeepPassword(), 17), LinkFrames::BandAnswer(136000000, 174000000));
    const Frame answer = link.Exchange(LinkFrames::Read(0x4150, 16), 20);
    ASSERT_EQ(answer.size(), 20u);
    EXPECT_EQ(Frame(answer.begin() + 4 + 5, answer.begin() + 4 + 13),
              (Frame{0x08, 0x1B, 0x32, 0x00, 0x0A, 0x5F, 0x07, 0x80}));
}

TEST_F(VirtualRadioTest, SampleMemoryUnpacksToChannelsAndFirmware)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--sample"});
    LinkClient link(linkPath);
    link.Exchange(LinkFrames::Hello(), 8);
    MemoryImage image{};
    for (size_t offset = 0; offset < ImageReadEnd; offset += 16) {
        const Frame answer = link.Exchange(LinkFrames::Read(uint16_t(0x4000 + offset), 16), 20);
        ASSERT_EQ(answer.size(), 20u);
        std::copy(answer.begin() + 4, answer.end(), image.begin() + std::ptrdiff_t(offset));
    }
    RadioSettings settings;
    settings.ResetToDefaults();
    BandLimits band;
    SetDataToSoftware(image, settings, band);
    EXPECT_TRUE(settings.IsChannelUsed(1));
    EXPECT_EQ(uint32_t(settings.Channel[2].RxFreq), 438500000u);
    EXPECT_EQ(uint32_t(settings.Channel[2].TxFreq), 430900000u);
    EXPECT_FALSE(settings.IsChannelUsed(4));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(settings.SoftwareVersion)), "V1.02-DEMO");
    EXPECT_EQ(band, BandLimits{});
}

TEST_F(VirtualRadioTest, PacingTakesAByteTimePerByte)
{
    RadioProcess radio(linkPath, {});
    LinkClient link(linkPath);
    link.Exchange(LinkFrames::Hello(), 8);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(link.Exchange(LinkFrames::Read(0x4000, 64), 68).size(), 68u);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::microseconds(68 * 1000));
    EXPECT_LT(elapsed, std::chrono::milliseconds(500));
}

TEST_F(VirtualRadioTest, FaultOptionsReachTheLink)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--flood", "--nak-block", "1"});
    LinkClient link(linkPath);
    EXPECT_EQ(link.Exchange(LinkFrames::Hello(), 300).size(), 300u);
    EXPECT_EQ(link.Exchange(LinkFrames::Hello(), 8), LinkFrames::Ident());
    EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4000, Block(1)), 1), Frame{0x15});
}

TEST_F(VirtualRadioTest, ChatterArrivesUnasked)
{
    RadioProcess radio(linkPath, {"--no-pacing", "--chatter", "3"});
    LinkClient link(linkPath);
    EXPECT_EQ(link.Receive(3, 2000), Frame(3, '$'));
}

// The software repeats its hello while the radios are being swapped, as it does while nothing answers.
Frame HelloUntilAnswered(LinkClient& link)
{
    constexpr int Attempts = 5;
    constexpr int AttemptWaitMs = 300;
    Frame answer;
    for (int i = 0; i < Attempts && answer.empty(); ++i)
        answer = link.Exchange(LinkFrames::Hello(), 8, AttemptWaitMs);
    return answer;
}

TEST_F(VirtualRadioTest, NextRadiosAnswerAfterTheSwapSilenceWithTheirOwnSerialAndMemory)
{
    constexpr int SilenceMs = 300;
    RadioProcess radio({"--no-pacing", "--serial", "100", "--swap-silence", std::to_string(SilenceMs),
                        "--next-radio", "200:second.bin", "--next-radio", "300:memory.bin"});
    LinkClient link(radio.LinkPath());
    const Frame blank = Frame(16, 0);
    Handshake(link, "100", "");
    EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4120, Block(1)), 1), Frame{0x06});
    link.Send(LinkFrames::End());
    EXPECT_TRUE(link.Exchange(LinkFrames::Hello(), 1, SilenceMs / 2).empty());

    std::this_thread::sleep_for(std::chrono::milliseconds(SilenceMs));
    ASSERT_EQ(HelloUntilAnswered(link), LinkFrames::Ident());
    EXPECT_EQ(link.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer("200", ""));
    EXPECT_EQ(link.Exchange(LinkFrames::Read(0x4120, 16), 20), LinkFrames::ReadAnswer(0x4120, blank));
    EXPECT_EQ(link.Exchange(LinkFrames::Write(0x4130, Block(2)), 1), Frame{0x06});
    link.Send(LinkFrames::End());

    ASSERT_EQ(HelloUntilAnswered(link), LinkFrames::Ident());
    EXPECT_EQ(link.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer("300", ""));
    EXPECT_EQ(link.Exchange(LinkFrames::Read(0x4120, 32), 36),
              LinkFrames::ReadAnswer(0x4120, Join(Block(1), blank)));
    link.Send(LinkFrames::End());

    std::this_thread::sleep_for(std::chrono::milliseconds(SilenceMs));
    EXPECT_TRUE(link.Exchange(LinkFrames::Hello(), 1, SilenceMs).empty());
    const MemoryImage second = radio.ReadMemory("second.bin");
    EXPECT_EQ(Frame(second.begin() + 0x130, second.begin() + 0x140), Block(2));
    EXPECT_EQ(Frame(second.begin() + 0x30C, second.begin() + 0x30F), (Frame{'2', '0', '0'}));
    EXPECT_EQ(radio.StopAndReadMemory()[0x30C], '3');
}

// Two cables at once: each link answers at the line's pace whatever the other is doing, with radios
// of its own, and a signal stops both and keeps both memories.
TEST_F(VirtualRadioTest, TwoLinksPlayTheirSequencesAtOnce)
{
    constexpr uint8_t LongestRead = 255;
    constexpr size_t AnswerBytes = 4 + LongestRead;
    constexpr auto ByteTime = std::chrono::microseconds(1000000 * 10 / 9600);
    RadioProcess radio({"--serial", "00000199", "--swap-silence", "100", "--next-radio", "200"}, nullptr, 2);
    ASSERT_EQ(radio.LinkPaths().size(), 2u);
    LinkClient first(radio.LinkPaths()[0]), second(radio.LinkPaths()[1]);
    Handshake(first, "00000199", "");
    Handshake(second, "00001199", "");

    const auto start = std::chrono::steady_clock::now();
    first.Send(LinkFrames::Read(0x4000, LongestRead));
    second.Send(LinkFrames::Read(0x4000, LongestRead));
    EXPECT_EQ(first.Receive(AnswerBytes).size(), AnswerBytes);
    EXPECT_EQ(second.Receive(AnswerBytes).size(), AnswerBytes);
    EXPECT_LT(std::chrono::steady_clock::now() - start, ByteTime * AnswerBytes * 3 / 2);

    EXPECT_EQ(first.Exchange(LinkFrames::Write(0x4120, Block(1)), 1), Frame{0x06});
    second.Send(LinkFrames::End());
    ASSERT_EQ(HelloUntilAnswered(second), LinkFrames::Ident());
    EXPECT_EQ(second.Exchange(LinkFrames::InfoRequest(), 25), LinkFrames::InfoAnswer("1200", ""));

    EXPECT_EQ(radio.Stop(), 0);
    EXPECT_FALSE(Exists(radio.LinkPaths()[0]) || Exists(radio.LinkPaths()[1]));
    const MemoryImage kept[] = {radio.ReadMemory("memory.bin"), radio.ReadMemory("memory-1.bin")};
    EXPECT_EQ(Frame(kept[0].begin() + 0x120, kept[0].begin() + 0x130), Block(1));
    EXPECT_EQ(Frame(kept[1].begin() + 0x30C, kept[1].begin() + 0x314), (Frame{'0', '0', '0', '0', '1', '1', '9', '9'}));
}

TEST_F(VirtualRadioTest, RefusesToReplaceAFileAtTheLinkPath)
{
    WriteAll(linkPath, "keep me");
    RadioProcess radio(linkPath, {});
    EXPECT_TRUE(radio.AnnouncedPath().empty());
    EXPECT_NE(radio.Stop(), 0);
    EXPECT_EQ(ReadAll(linkPath), "keep me");
}

TEST_F(VirtualRadioTest, RefusesAMemoryFileOfTheWrongSize)
{
    WriteAll(memoryPath, std::string(100, 'x'));
    RadioProcess radio(linkPath, {"--memory", memoryPath});
    EXPECT_TRUE(radio.AnnouncedPath().empty());
    EXPECT_EQ(ReadAll(memoryPath), std::string(100, 'x'));
}

}
