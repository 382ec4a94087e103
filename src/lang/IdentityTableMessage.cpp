#include "lang/IdentityTableMessage.h"

#include <iterator>
#include <utility>

#include "model/Password.h"
#include "model/RadioSettings.h"
#include "text/PrintableText.h"

namespace {

// In the order of IdentityProblemKind.
constexpr MessageId ProblemTexts[] = {
    MessageId::IdsUnknownColumn,
    MessageId::IdsDuplicateColumn,
    MessageId::IdsNoCodeColumn,
    MessageId::IdsDuplicateSerial,
    MessageId::IdsDuplicateSlot,
    MessageId::IdsSlotNotANumber,
    MessageId::IdsNoKey,
    MessageId::IdsBothKeys,
    MessageId::IdsNotDtmfCode,
    MessageId::IdsNotPassword,
    MessageId::IdsCellWithoutTitle,
    MessageId::IdsQuoteLeftOpen,
};
static_assert(std::size(ProblemTexts) == size_t(IdentityProblemKind::QuoteLeftOpen) + 1);

// What the message says after the file and the line.
std::vector<MessageArg> DetailOf(const IdentityProblem& problem)
{
    const std::string text = PrintableText(problem.text);
    switch (problem.kind) {
    case IdentityProblemKind::DuplicateColumn:
        return {IdentityColumnTitle(problem.column)};
    case IdentityProblemKind::DuplicateSerial:
    case IdentityProblemKind::DuplicateSlot:
        return {text, std::to_string(problem.earlierLine)};
    case IdentityProblemKind::NotDtmfCode:
        return {IdentityColumnTitle(problem.column), text, std::to_string(DtmfCodeCapacity)};
    case IdentityProblemKind::NotPassword:
        return {std::to_string(PasswordMaxLength)};
    case IdentityProblemKind::UnknownColumn:
    case IdentityProblemKind::SlotNotANumber:
    case IdentityProblemKind::CellWithoutTitle:
        return {text};
    case IdentityProblemKind::NoCodeColumn:
    case IdentityProblemKind::NoKey:
    case IdentityProblemKind::BothKeys:
    case IdentityProblemKind::QuoteLeftOpen:
        break;
    }
    return {};
}

}  // namespace

Message IdentityProblemMessage(const IdentityProblem& problem, const std::string& file)
{
    std::vector<MessageArg> args{file, std::to_string(problem.line)};
    for (MessageArg& arg : DetailOf(problem))
        args.push_back(std::move(arg));
    return {ProblemTexts[size_t(problem.kind)], std::move(args)};
}

std::vector<Message> IdentityTableMessages(const IdentityTable& table, const std::string& file)
{
    std::vector<Message> messages;
    for (const IdentityProblem& problem : table.problems)
        messages.push_back(IdentityProblemMessage(problem, file));
    if (table.problemsLeftOut > 0)
        messages.push_back({MessageId::IdsProblemsLeftOut, {file, std::to_string(table.problemsLeftOut)}});
    return messages;
}
