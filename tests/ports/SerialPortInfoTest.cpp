#include <gtest/gtest.h>

#include "ports/PortLookup.h"
#include "ports/SerialPortInfo.h"

namespace {

using TeskComm32::TCommSerialPortInfo;
using Names = std::vector<std::string>;

// A machine whose system lists what `names` gives.
TeskComm32::PortLookup MachineListing(TeskComm32::PortNameSource names) { return {{}, {}, std::move(names)}; }

struct PortNoCase {
    std::string name;
    int number;
};

class PortNoTest : public ::testing::TestWithParam<PortNoCase> {};

TEST_P(PortNoTest, ReadsTheNumberAfterACaseInsensitiveCom)
{
    EXPECT_EQ(TCommSerialPortInfo::PortNo(GetParam().name), GetParam().number) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, PortNoTest,
                         ::testing::Values(PortNoCase{"COM3", 3}, PortNoCase{"com12", 12}, PortNoCase{"COM3:", 3},
                                           PortNoCase{"cOm7", 7}, PortNoCase{"COM", 0}, PortNoCase{"COM0", 0},
                                           PortNoCase{"COM-2", 0}, PortNoCase{"COM+4", 4}, PortNoCase{"COM 5", 5},
                                           PortNoCase{"COM05", 5}, PortNoCase{"LPT1", 0},
                                           PortNoCase{"\\Device\\Serial0", 0}, PortNoCase{"CO", 0},
                                           PortNoCase{"", 0}, PortNoCase{"COMX1", 0}, PortNoCase{"/dev/ttyUSB0", 0},
                                           PortNoCase{"COM99999999999", 0}, PortNoCase{"COM2147483647", 2147483647}));

TEST(PortName, IsComAndTheNumberWithoutLeadingZeros)
{
    EXPECT_EQ(TCommSerialPortInfo::PortName(1), "COM1");
    EXPECT_EQ(TCommSerialPortInfo::PortName(12), "COM12");
}

TEST(PortListSortCompare, OrdersByNumberNotByText)
{
    const Names list = {"COM10", "COM2", "COM2"};
    EXPECT_GT(TCommSerialPortInfo::PortListSortCompare(list, 0, 1), 0);
    EXPECT_LT(TCommSerialPortInfo::PortListSortCompare(list, 1, 0), 0);
    EXPECT_EQ(TCommSerialPortInfo::PortListSortCompare(list, 1, 2), 0);
}

struct ListCase {
    const char* name;
    std::optional<Names> deviceList;
    Names portList;
    bool fromSystem;
};

const Names Fallback = {"COM1", "COM2", "COM3", "COM4"};

const ListCase ListCases[] = {
    {"SortedByNumber", Names{"COM10", "COM3", "COM1"}, {"COM1", "COM3", "COM10"}, true},
    {"OnlyOtherNamesGiveTheFallback", Names{"LPT1", "\\Device\\Serial0", "xyz"}, Fallback, false},
    {"MissingListGivesTheFallback", std::nullopt, Fallback, false},
    {"EmptyListGivesTheFallback", Names{}, Fallback, false},
    {"LowerCaseNameIsRebuilt", Names{"com5"}, {"COM5"}, true},
    {"DuplicatesAreKept", Names{"COM2", "COM7", "COM2"}, {"COM2", "COM2", "COM7"}, true},
    {"UnreadableValuesAreSkipped", Names{"", "COM4", "COM0"}, {"COM4"}, true},
    {"SuffixAfterTheNumberIsDropped", Names{"COM3:", "COM12"}, {"COM3", "COM12"}, true},
};

class ListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListTest, BuildsTheSortedListOrTheFallback)
{
    const ListCase& c = GetParam();
    const TCommSerialPortInfo info(MachineListing([&c] { return c.deviceList; }));
    EXPECT_EQ(info.PortList, c.portList);
    EXPECT_EQ(info.FromSystem, c.fromSystem);
}

INSTANTIATE_TEST_SUITE_P(DeviceLists, ListTest, ::testing::ValuesIn(ListCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Refresh, StartsAfreshEachTime)
{
    Names devices = {"COM3"};
    TCommSerialPortInfo info(MachineListing([&devices] { return devices; }));
    info.Refresh();
    EXPECT_EQ(info.PortList, Names{"COM3"});
    devices = {};
    info.Refresh();
    EXPECT_EQ(info.PortList, Fallback);
    EXPECT_FALSE(info.FromSystem);
}

}
