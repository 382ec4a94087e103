#include "link/TransferNotice.h"

#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"
#include "link/ProgramDialogEntry.h"

using TTeskFuncs::TLangType;

namespace {

std::string DialogUtf8(int entry, TLangType language) { return TextUtf8(ProgramDialogText(entry), language); }

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// The radio holds nothing new unless a write reached it; the user is told so, as that decides
// whether the radio is still fit to use.
MessageId LinkAdvice(const TransferEnding& ending)
{
    if (ending.noPortFound)
        return MessageId::AdviceNoPortFound;
    return ending.partlyWritten || ending.afterWrite ? MessageId::AdviceCheckLinkOnly : MessageId::AdviceCheckLink;
}

}

std::vector<std::string> OutcomeNoticeLines(const TransferEnding& ending, TLangType language)
{
    const int entry = OutcomeTextEntry(ending.outcome);
    if (entry < 0)
        return {};
    std::vector<std::string> lines{DialogUtf8(entry, language)};
    if (entry == PasswordErrorText)
        lines.push_back(MessageUtf8({MessageId::AdvicePassword}, language));
    if (entry != CommunicationFalseText)
        return lines;
    if (!ending.portProblem.empty())
        lines.push_back(ending.portProblem);
    if (ending.partlyWritten)
        lines.push_back(MessageUtf8({MessageId::PartlyWritten}, language));
    if (!ending.portsTried.empty())
        lines.push_back(MessageUtf8({MessageId::PortsTried, {Joined(ending.portsTried)}}, language));
    lines.push_back(MessageUtf8({LinkAdvice(ending)}, language));
    return lines;
}

std::vector<std::string> VerifiedNoticeLines(const VerifyResult& result, TLangType language)
{
    if (!result.Matches())
        return {MessageUtf8(VerifyMismatchMessage(result), language)};
    return {DialogUtf8(SuccessText, language), MessageUtf8({MessageId::VerifiedWrite}, language)};
}

Message VerifyMismatchMessage(const VerifyResult& result)
{
    return {MessageId::VerifyMismatch, {FirstDifferenceText(result), std::to_string(result.differing)}};
}
