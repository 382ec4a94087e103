#include <gtest/gtest.h>

#include "LinkFrames.h"
#include "radio/FrameAssembler.h"

namespace {

using Frame = std::vector<uint8_t>;

Frame Concat(std::initializer_list<Frame> parts)
{
    Frame all;
    for (const Frame& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct AssemblyCase {
    const char* name;
    bool sessionOpen;
    std::vector<Frame> chunks;
    std::vector<Frame> frames;
};

const Frame Garbage = {0x00, 0x99, 0x45, 0x06, 'K', 'X'};

const AssemblyCase AssemblyCases[] = {
    {"HelloInOnePiece", false, {LinkFrames::Hello()}, {LinkFrames::Hello()}},
    {"HelloSplitAcrossReads", false, {{0x06, 'K', 'O'}, {'R', 'V'}, {'A', 'N', 'E'}}, {LinkFrames::Hello()}},
    {"GarbageBeforeHelloIsDropped", false, {Concat({Garbage, LinkFrames::Hello()})}, {LinkFrames::Hello()}},
    {"OnlyHelloCountsOutsideASession", false,
     {Concat({LinkFrames::Write(0x4000, Frame(16, 0x06)), LinkFrames::InfoRequest(), LinkFrames::Hello()})},
     {LinkFrames::Hello()}},
    {"SessionFramesBackToBack", true,
     {Concat({LinkFrames::InfoRequest(), LinkFrames::KeepPassword(), LinkFrames::Read(0x4010, 16), LinkFrames::End()})},
     {LinkFrames::InfoRequest(), LinkFrames::KeepPassword(), LinkFrames::Read(0x4010, 16), LinkFrames::End()}},
    {"WriteFrameLengthComesFromItsHead", true,
     {{'W', 0x43}, {0x0C, 0x08, '1', '2'}, {'3', '4', '5', '6', '7', '8', 'E'}},
     {LinkFrames::Write(0x430C, {'1', '2', '3', '4', '5', '6', '7', '8'}), LinkFrames::End()}},
    {"UnknownBytesInASessionAreSkipped", true, {{0x33, 0xFE, 0x02}}, {LinkFrames::InfoRequest()}},
    {"IncompleteFrameWaits", true, {{'R', 0x40, 0x00}}, {}},
};

class AssemblyTest : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(AssemblyTest, CutsTheStreamIntoFrames)
{
    const AssemblyCase& c = GetParam();
    FrameAssembler assembler;
    std::vector<Frame> frames;
    for (const Frame& chunk : c.chunks) {
        assembler.Feed(chunk.data(), chunk.size());
        while (auto frame = assembler.NextFrame(c.sessionOpen))
            frames.push_back(*frame);
    }
    EXPECT_EQ(frames, c.frames);
}

INSTANTIATE_TEST_SUITE_P(Streams, AssemblyTest, ::testing::ValuesIn(AssemblyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameAssembler, StalledFrameGivesWayToTheNextHello)
{
    FrameAssembler assembler;
    const Frame partial = {'W', 0x40, 0x00, 0x10, 0x01};
    assembler.Feed(partial.data(), partial.size());
    const Frame hello = LinkFrames::Hello();
    assembler.Feed(hello.data(), hello.size());
    EXPECT_FALSE(assembler.NextFrame(true));
    ASSERT_TRUE(assembler.HasPartialFrame());
    assembler.DropStalledByte();
    EXPECT_EQ(assembler.NextFrame(true), hello);
    EXPECT_FALSE(assembler.HasPartialFrame());
}

}
