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
    EXPECT_TRUE(trace.Lines().empty());
}

}
