#include "lang/JsonRefusalMessage.h"

#include <iterator>

namespace {

// In the order of JsonRefusalKind.
constexpr MessageId RefusalTexts[] = {
    MessageId::JsonNotJson,
    MessageId::JsonDocumentNotAnObject,
    MessageId::JsonNotAnObject,
    MessageId::JsonNoSuchField,
    MessageId::JsonNotText,
    MessageId::JsonNotAList,
    MessageId::JsonNotAWholeNumber,
    MessageId::JsonNotTrueOrFalse,
    MessageId::JsonOutsideRange,
    MessageId::JsonNotGbk,
    MessageId::JsonTooManyBytes,
    MessageId::JsonTooManySymbols,
    MessageId::JsonNotDtmfSymbol,
    MessageId::JsonNotHexBytes,
    MessageId::JsonWrongCount,
    MessageId::JsonNotByteNumbers,
    MessageId::JsonNumberNotInRange,
    MessageId::JsonGivenTwice,
};
static_assert(std::size(RefusalTexts) == size_t(JsonRefusalKind::GivenTwice) + 1);

// In the order of JsonSyntaxProblem.
constexpr MessageId SyntaxTexts[] = {
    MessageId::JsonIllegalValue,
    MessageId::JsonIllegalNumber,
    MessageId::JsonGarbageAtEnd,
    MessageId::JsonTooDeep,
    MessageId::JsonUnterminatedObject,
    MessageId::JsonUnterminatedArray,
    MessageId::JsonUnterminatedString,
    MessageId::JsonMissingName,
    MessageId::JsonMissingNameSeparator,
    MessageId::JsonMissingValueSeparator,
    MessageId::JsonControlCharacter,
    MessageId::JsonInvalidUtf8,
    MessageId::JsonInvalidEscape,
};
static_assert(std::size(SyntaxTexts) == size_t(JsonSyntaxProblem::InvalidEscape) + 1);

}

Message JsonRefusalMessage(const JsonRefusal& refusal)
{
    const MessageId id = RefusalTexts[size_t(refusal.kind)];
    switch (refusal.kind) {
    case JsonRefusalKind::NotJson:
        return {id, {MessageArg::Worded(SyntaxTexts[size_t(refusal.syntax)]), refusal.values.at(0)}};
    case JsonRefusalKind::DocumentNotAnObject:
        return {id};
    default:
        break;
    }
    std::vector<MessageArg> args{refusal.where};
    args.insert(args.end(), refusal.values.begin(), refusal.values.end());
    return {id, std::move(args)};
}
