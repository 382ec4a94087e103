#include <gtest/gtest.h>

#include <cerrno>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "PseudoTerminal.h"
#include "link/SerialLink.h"

namespace {

using Bytes = std::vector<uint8_t>;

size_t WaitForBytes(SerialLink& link, size_t expected, int waitMs = 1000)
{
    QElapsedTimer clock;
    clock.start();
    while (link.BytesWaiting() < expected && clock.elapsed() < waitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return link.BytesWaiting();
}

TEST(SerialLink, OpensAPseudoTerminalDespiteItsMissingModemLines)
{
    PseudoTerminal pty;
    SerialLink link;
    const PortOpenResult result = link.Open(pty.SlavePath());
    EXPECT_TRUE(result.ok) << EnglishMessage(result.problem);
    EXPECT_TRUE(result.problem.args.empty());
    EXPECT_TRUE(link.IsOpen());
}

TEST(SerialLink, MovesWholeFramesBothWays)
{
    PseudoTerminal pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.SlavePath()).ok);

    link.Write({0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'});
    EXPECT_EQ(pty.Receive(100), (Bytes{0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'}));

    pty.Send({'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF});
    EXPECT_EQ(WaitForBytes(link, 8), 8u);
    EXPECT_EQ(link.ReadAll(), (Bytes{'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF}));
    EXPECT_EQ(link.BytesWaiting(), 0u);
}

TEST(SerialLink, PurgeDropsWhatWaits)
{
    PseudoTerminal pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.SlavePath()).ok);
    pty.Send({1, 2, 3});
    ASSERT_EQ(WaitForBytes(link, 3), 3u);
    link.PurgeReceive();
    EXPECT_EQ(link.BytesWaiting(), 0u);
    EXPECT_TRUE(link.ReadAll().empty());
}

TEST(SerialLink, AMissingDeviceIsNamedInTheDiagnostic)
{
    SerialLink link;
    const PortOpenResult result = link.Open("/dev/kr-t27-no-such-port");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(link.IsOpen());
    const std::string diagnostic = EnglishMessage(result.problem);
    EXPECT_NE(diagnostic.find("/dev/kr-t27-no-such-port"), std::string::npos);
    EXPECT_NE(diagnostic.find("does not exist"), std::string::npos);
    // The reason is a number the table words in the interface language, not the system's English.
    ASSERT_EQ(result.problem.args.size(), 2u);
    EXPECT_EQ(result.problem.args[1].systemError, ENOENT);
}

TEST(SerialLink, APortInUseIsReportedAsBusy)
{
    PseudoTerminal pty;
    SerialLink first;
    SerialLink second;
    ASSERT_TRUE(first.Open(pty.SlavePath()).ok);
    const PortOpenResult result = second.Open(pty.SlavePath());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(EnglishMessage(result.problem).find("busy"), std::string::npos) << EnglishMessage(result.problem);
    EXPECT_TRUE(first.IsOpen());
}

TEST(SerialLink, TheEndByteWrittenJustBeforeClosingStillArrives)
{
    PseudoTerminal pty;
    SerialLink link;
    ASSERT_TRUE(link.Open(pty.SlavePath()).ok);
    link.Write({'E'});
    link.Close();
    EXPECT_EQ(pty.Receive(100), (Bytes{'E'}));
}

TEST(SerialLink, AVanishedPortIsClosedAndReportedOnce)
{
    PseudoTerminal pty;
    SerialLink link;
    int lost = 0;
    link.SetOnLost([&lost] { ++lost; });
    ASSERT_TRUE(link.Open(pty.SlavePath()).ok);
    pty.Hangup();
    QElapsedTimer clock;
    clock.start();
    while (link.IsOpen() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(lost, 1);
    link.Write({1});
    EXPECT_TRUE(link.ReadAll().empty());
}

TEST(SerialLink, AClosedLinkIgnoresTrafficCalls)
{
    SerialLink link;
    link.Write({1});
    link.Purge();
    EXPECT_EQ(link.BytesWaiting(), 0u);
    EXPECT_TRUE(link.ReadAll().empty());
}

}
