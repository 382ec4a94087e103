#include <gtest/gtest.h>

#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"
#include "link/ProgramDialogEntry.h"
#include "link/TransferNotice.h"

namespace {

using TTeskFuncs::LangEnglish;
using TTeskFuncs::LangSimplifiedChinese;
using TTeskFuncs::LangTraditionalChinese;
using Lines = std::vector<std::string>;

std::string Said(MessageId id, std::vector<MessageArg> args = {})
{
    return MessageUtf8({id, std::move(args)}, LangEnglish);
}
std::string Outcome(int entry) { return TextUtf8(ProgramDialogText(entry), LangEnglish); }

TransferEnding Ending(LinkOutcome outcome, bool partlyWritten = false, bool afterWrite = false,
                      std::string portProblem = "", std::vector<std::string> portsTried = {}, bool noPortFound = false)
{
    return {outcome, partlyWritten, afterWrite, std::move(portProblem), std::move(portsTried), noPortFound};
}

struct NoticeCase {
    const char* name;
    TransferEnding ending;
    Lines lines;
};

// After every failure the last line says what to do next, and whether the radio was changed.
TEST(TransferNotice, AFailureEndsWithWhatToDoNext)
{
    const std::string com3 = "COM3 (/dev/ttyUSB0)";
    const NoticeCase cases[] = {
        {"success", Ending(LinkOutcome::Success), {Outcome(SuccessText)}},
        {"silent radio",
         Ending(LinkOutcome::CommunicationFailure, false, false, "", {com3}),
         {Outcome(CommunicationFalseText), Said(MessageId::PortsTried, {com3}), Said(MessageId::AdviceCheckLink)}},
        {"port busy",
         Ending(LinkOutcome::CommunicationFailure, false, false, "serial port COM3 is busy", {com3}),
         {Outcome(CommunicationFalseText), "serial port COM3 is busy", Said(MessageId::PortsTried, {com3}),
          Said(MessageId::AdviceCheckLink)}},
        {"search of two ports",
         Ending(LinkOutcome::CommunicationFailure, false, false, "", {"COM1", com3}),
         {Outcome(CommunicationFalseText), Said(MessageId::PortsTried, {"COM1, " + com3}),
          Said(MessageId::AdviceCheckLink)}},
        {"no port to search",
         Ending(LinkOutcome::CommunicationFailure, false, false, "", {}, true),
         {Outcome(CommunicationFalseText), Said(MessageId::AdviceNoPortFound)}},
        {"partly written",
         Ending(LinkOutcome::CommunicationFailure, true, false, "", {com3}),
         {Outcome(CommunicationFalseText), Said(MessageId::PartlyWritten), Said(MessageId::PortsTried, {com3}),
          Said(MessageId::AdviceCheckLinkOnly)}},
        {"read back after a write", Ending(LinkOutcome::CommunicationFailure, false, true),
         {Outcome(CommunicationFalseText), Said(MessageId::AdviceCheckLinkOnly)}},
        {"password", Ending(LinkOutcome::PasswordError), {Outcome(PasswordErrorText), Said(MessageId::AdvicePassword)}},
        {"band question", Ending(LinkOutcome::Closed), {}},
        {"stopped", Ending(LinkOutcome::Stopped), {}},
    };
    for (const NoticeCase& c : cases) {
        EXPECT_EQ(OutcomeNoticeLines(c.ending, LangEnglish), c.lines) << c.name;
        for (auto language : {LangSimplifiedChinese, LangTraditionalChinese})
            EXPECT_EQ(OutcomeNoticeLines(c.ending, language).size(), c.lines.size()) << c.name;
    }
}

TEST(TransferNotice, AVerifiedWriteSaysSo)
{
    EXPECT_EQ(VerifiedNoticeLines(VerifyResult{}, LangEnglish),
              (Lines{Outcome(SuccessText), "Verified: the radio holds what was written."}));
    EXPECT_EQ(VerifiedNoticeLines(VerifyResult{2, 0x4123}, LangEnglish),
              (Lines{Said(MessageId::VerifyMismatch, {"0x4123", "2"})}));
    EXPECT_EQ(VerifiedNoticeLines(VerifyResult{}, LangSimplifiedChinese)[1], "已校验：对讲机中的数据与写入的一致。");
}

}
