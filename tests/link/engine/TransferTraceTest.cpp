#include <gtest/gtest.h>

#include "link/engine/TransferTrace.h"

namespace {

TEST(TransferTrace, OneStampedLinePerChunkAndNote)
{
    const uint8_t hello[] = {0x02, 0x50, 0x0A, 0xFF};
    const uint8_t ack[] = {0x06};
    TransferTrace trace;
    trace.Note(0, "port /dev/pts/3 opened");
    trace.Sent(1000, hello, sizeof hello);
    trace.Received(1012, ack, sizeof ack);
    trace.Received(1013, ack, 0);
    trace.Note(65432, "outcome SUCCESS");
    EXPECT_EQ(trace.Text(),
              "+0.000 # port /dev/pts/3 opened\n"
              "+1.000 > 02 50 0A FF\n"
              "+1.012 < 06\n"
              "+65.432 # outcome SUCCESS\n");
    trace.Clear();
    EXPECT_TRUE(trace.Empty());
}

TEST(TransferTrace, PasswordBytesAreMaskedUnlessAskedFor)
{
    const uint8_t frame[] = {0x80, 0x13, 0x23, 0x33};
    const uint8_t answer[] = {0x06, 0x31, 0x32, 0xFF};
    TransferTrace trace;
    trace.Sent(10, frame, sizeof frame, {1, 3});
    trace.Received(20, answer, sizeof answer, {3, 1});
    trace.Received(30, answer, sizeof answer);
    const struct {
        TraceSecrets secrets;
        const char* text;
    } cases[] = {
        {TraceSecrets::Masked, "+0.010 > 80 ** ** **\n+0.020 < 06 31 32 **\n+0.030 < 06 31 32 FF\n"},
        {TraceSecrets::Shown, "+0.010 > 80 13 23 33\n+0.020 < 06 31 32 FF\n+0.030 < 06 31 32 FF\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trace.Text(c.secrets), c.text);
    EXPECT_EQ(trace.Text(), cases[0].text);
}

}
