#include <gtest/gtest.h>

#include "LinkFrames.h"
#include "radio/RadioSession.h"

namespace {

using Frame = std::vector<uint8_t>;

constexpr uint32_t Band400 = 400000000;
constexpr uint32_t Band470 = 470000000;

Frame Block(uint8_t seed)
{
    Frame data(16);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(seed + i);
    return data;
}

struct SessionFixture : ::testing::Test {
    RadioMemory memory;

    void SetUp() override
    {
        memory.SetSerialNumber("20240001");
        memory.SetPasswordText("1234");
    }
};

TEST_F(SessionFixture, FramesBeforeTheHelloAreIgnored)
{
    RadioSession session(memory, {});
    for (const Frame& frame : {LinkFrames::InfoRequest(), LinkFrames::KeepPassword(), LinkFrames::InstallPassword("X"),
                               LinkFrames::Write(0x4000, Block(1)), LinkFrames::Read(0x4000, 16), LinkFrames::End()}) {
        const RadioReply reply = session.Handle(frame);
        EXPECT_TRUE(reply.Bytes.empty());
        EXPECT_FALSE(reply.SessionEnded);
    }
    EXPECT_EQ(memory.Read(0x4000, 16), Frame(16, 0));
    EXPECT_EQ(memory.PasswordText(), "1234");
}

TEST_F(SessionFixture, HandshakeAnswersIdentSerialPasswordAndBand)
{
    RadioSession session(memory, {});
    EXPECT_EQ(session.Handle(LinkFrames::Hello()).Bytes, LinkFrames::Ident());
    EXPECT_EQ(session.Handle(LinkFrames::InfoRequest()).Bytes, LinkFrames::InfoAnswer("20240001", "1234"));
    EXPECT_EQ(session.Handle(LinkFrames::KeepPassword()).Bytes, LinkFrames::BandAnswer(Band400, Band470));
    EXPECT_EQ(memory.PasswordText(), "1234");
}

TEST_F(SessionFixture, PasswordInstallFrameReplacesThePassword)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    EXPECT_EQ(session.Handle(LinkFrames::InstallPassword("Secret#9")).Bytes, LinkFrames::BandAnswer(Band400, Band470));
    EXPECT_EQ(memory.PasswordText(), "Secret#9");
    EXPECT_EQ(session.Handle(LinkFrames::InfoRequest()).Bytes, LinkFrames::InfoAnswer("20240001", "Secret#9"));
}

TEST_F(SessionFixture, InstallingAnEmptyPasswordLeavesNoPassword)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    session.Handle(LinkFrames::InstallPassword(""));
    EXPECT_EQ(memory.PasswordText(), "");
    EXPECT_EQ(memory.LinkPassword(), Frame(16, 0xFF));
}

TEST_F(SessionFixture, WrittenBlocksReadBackWithTheirHead)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4120, Block(7))).Bytes, Frame{0x06});
    EXPECT_EQ(session.Handle(LinkFrames::Read(0x4120, 16)).Bytes, LinkFrames::ReadAnswer(0x4120, Block(7)));
    const Frame block = Block(7);
    EXPECT_EQ(session.Handle(LinkFrames::Read(0x4128, 8)).Bytes,
              LinkFrames::ReadAnswer(0x4128, Frame(block.begin() + 8, block.end())));
}

TEST_F(SessionFixture, WritesOutsideTheMemoryAreRefusedAndChangeNothing)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    const RadioMemory before = memory;
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x3FF8, Block(1))).Bytes, Frame{0x15});
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x5FF8, Block(1))).Bytes, Frame{0x15});
    EXPECT_EQ(memory.Image(), before.Image());
}

TEST_F(SessionFixture, ReadsBeyondTheMemoryGiveErasedBytes)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    const Frame answer = session.Handle(LinkFrames::Read(0x5FF8, 16)).Bytes;
    ASSERT_EQ(answer.size(), 20u);
    EXPECT_EQ(Frame(answer.begin() + 12, answer.end()), Frame(8, 0xFF));
}

TEST_F(SessionFixture, EndByteClosesTheSession)
{
    RadioSession session(memory, {});
    session.Handle(LinkFrames::Hello());
    const RadioReply end = session.Handle(LinkFrames::End());
    EXPECT_TRUE(end.SessionEnded);
    EXPECT_TRUE(end.Bytes.empty());
    EXPECT_TRUE(session.Handle(LinkFrames::InfoRequest()).Bytes.empty());
    EXPECT_EQ(session.Handle(LinkFrames::Hello()).Bytes, LinkFrames::Ident());
}

// The answers to one complete session: hello, information, password, a written and a read block.
std::vector<Frame> RunSession(RadioSession& session)
{
    std::vector<Frame> answers;
    for (const Frame& frame : {LinkFrames::Hello(), LinkFrames::InfoRequest(), LinkFrames::KeepPassword(),
                               LinkFrames::Write(0x4000, Block(3)), LinkFrames::Read(0x4000, 16)})
        answers.push_back(session.Handle(frame).Bytes);
    return answers;
}

enum Answer { IdentAnswer, InfoAnswer, BandAnswer, WriteAnswer, ReadAnswer };

// A fault leaves the answers before its own alone; after it, silence stays silence.
struct FaultCase {
    const char* name;
    RadioFaults faults;
    Answer changed;
    // First byte and length of the changed answer; length 0 means silence.
    uint8_t firstByte;
    size_t length;
};

RadioFaults With(void (*set)(RadioFaults&))
{
    RadioFaults faults;
    set(faults);
    return faults;
}

const FaultCase FaultCases[] = {
    {"SilentFromIdent", With([](RadioFaults& f) { f.SilentFromStep = 0; }), IdentAnswer, 0, 0},
    {"SilentFromInfo", With([](RadioFaults& f) { f.SilentFromStep = 1; }), InfoAnswer, 0, 0},
    {"SilentFromBand", With([](RadioFaults& f) { f.SilentFromStep = 2; }), BandAnswer, 0, 0},
    {"SilentFromBlocks", With([](RadioFaults& f) { f.SilentFromStep = 3; }), WriteAnswer, 0, 0},
    {"ForeignIdent", With([](RadioFaults& f) { f.ForeignIdent = true; }), IdentAnswer, 'K', 8},
    {"WrongFirstByteIdent", With([](RadioFaults& f) { f.WrongFirstByteStep = 0; }), IdentAnswer, 0x15, 8},
    {"WrongFirstByteInfo", With([](RadioFaults& f) { f.WrongFirstByteStep = 1; }), InfoAnswer, 0x15, 25},
    {"WrongFirstByteBand", With([](RadioFaults& f) { f.WrongFirstByteStep = 2; }), BandAnswer, 0x15, 17},
    {"WrongFirstByteBlock", With([](RadioFaults& f) { f.WrongFirstByteStep = 3; }), WriteAnswer, 0x15, 1},
    {"NakFirstBlock", With([](RadioFaults& f) { f.NakBlock = 1; }), WriteAnswer, 0x15, 1},
    {"LongBandAnswer", With([](RadioFaults& f) { f.LongBandAnswer = true; }), BandAnswer, 0x06, 18},
    {"ReadAnswerR", With([](RadioFaults& f) { f.ReadAnswerR = true; }), ReadAnswer, 'R', 20},
    {"Flood", With([](RadioFaults& f) { f.Flood = true; }), IdentAnswer, 11, 300},
    {"HangupAfterOneBlock", With([](RadioFaults& f) { f.HangupAfterBlocks = 1; }), ReadAnswer, 0, 0},
    {"LongBlockAnswers", With([](RadioFaults& f) { f.LongBlockAnswers = true; }), WriteAnswer, 0x06, 2},
};

class FaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, ChangesItsAnswerAndNoEarlierOne)
{
    const FaultCase& c = GetParam();
    RadioMemory normalMemory;
    RadioSession normal(normalMemory, {});
    const std::vector<Frame> expected = RunSession(normal);

    RadioMemory memory;
    RadioSession faulty(memory, c.faults);
    const std::vector<Frame> answers = RunSession(faulty);

    for (size_t i = 0; i < size_t(c.changed); ++i)
        EXPECT_EQ(answers[i], expected[i]) << "answer " << i;
    const Frame& changed = answers[size_t(c.changed)];
    ASSERT_EQ(changed.size(), c.length);
    if (c.length == 0) {
        for (size_t i = size_t(c.changed); i < answers.size(); ++i)
            EXPECT_TRUE(answers[i].empty()) << "answer " << i;
        return;
    }
    EXPECT_EQ(changed[0], c.firstByte);
    EXPECT_NE(changed, expected[size_t(c.changed)]);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, ::testing::ValuesIn(FaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RadioFaults, NakedBlockIsNotStoredAndLaterBlocksAre)
{
    RadioMemory memory;
    RadioFaults faults;
    faults.NakBlock = 2;
    RadioSession session(memory, faults);
    session.Handle(LinkFrames::Hello());
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4000, Block(1))).Bytes, Frame{0x06});
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4010, Block(2))).Bytes, Frame{0x15});
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4020, Block(3))).Bytes, Frame{0x06});
    EXPECT_EQ(memory.Read(0x4010, 16), Frame(16, 0));
    EXPECT_EQ(memory.Read(0x4020, 16), Block(3));
}

TEST(RadioFaults, FloodHappensOnceAndTheNextHelloIsAnswered)
{
    RadioMemory memory;
    RadioFaults faults;
    faults.Flood = true;
    RadioSession session(memory, faults);
    EXPECT_EQ(session.Handle(LinkFrames::Hello()).Bytes.size(), 300u);
    EXPECT_EQ(session.Handle(LinkFrames::Hello()).Bytes, LinkFrames::Ident());
    session.Handle(LinkFrames::End());
    EXPECT_EQ(session.Handle(LinkFrames::Hello()).Bytes, LinkFrames::Ident());
}

TEST(RadioFaults, HangupLastsUntilTheNextHello)
{
    RadioMemory memory;
    RadioFaults faults;
    faults.HangupAfterBlocks = 2;
    RadioSession session(memory, faults);
    session.Handle(LinkFrames::Hello());
    EXPECT_FALSE(session.Handle(LinkFrames::Write(0x4000, Block(1))).Bytes.empty());
    EXPECT_FALSE(session.Handle(LinkFrames::Read(0x4000, 16)).Bytes.empty());
    EXPECT_TRUE(session.Handle(LinkFrames::Write(0x4010, Block(2))).Bytes.empty());
    EXPECT_EQ(memory.Read(0x4010, 16), Frame(16, 0));
    session.Handle(LinkFrames::Hello());
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4010, Block(2))).Bytes, Frame{0x06});
}

TEST(RadioFaults, AWrongByteIsAcknowledgedButStoredWithItsLowBitFlipped)
{
    RadioMemory memory;
    RadioFaults faults;
    faults.WrongByteAddress = 0x4012;
    RadioSession session(memory, faults);
    session.Handle(LinkFrames::Hello());
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4000, Block(1))).Bytes, Frame{0x06});
    EXPECT_EQ(session.Handle(LinkFrames::Write(0x4010, Block(2))).Bytes, Frame{0x06});
    EXPECT_EQ(memory.Read(0x4000, 16), Block(1));
    Frame spoiled = Block(2);
    spoiled[2] ^= 0x01;
    EXPECT_EQ(memory.Read(0x4010, 16), spoiled);
}

TEST(RadioFaults, SilentBandStepInstallsNoPassword)
{
    RadioMemory memory;
    memory.SetPasswordText("old");
    RadioFaults faults;
    faults.SilentFromStep = 2;
    RadioSession session(memory, faults);
    session.Handle(LinkFrames::Hello());
    EXPECT_TRUE(session.Handle(LinkFrames::InstallPassword("new")).Bytes.empty());
    EXPECT_EQ(memory.PasswordText(), "old");
}

}
