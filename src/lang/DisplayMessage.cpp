#include "lang/DisplayMessage.h"

#include "lang/MessageArguments.h"
#include "lang/TextTable.h"

namespace {

std::u16string DisplayArgument(const MessageArg& arg)
{
    if (arg.systemError == 0)
        return QString::fromLocal8Bit(arg.text).toStdU16String();
    const auto reason = ReasonMessage(arg.systemError);
    const QString text =
        reason ? DisplayText(MessagePattern(*reason)) : QString::fromLocal8Bit(SystemErrorText(arg.systemError));
    return text.toStdU16String();
}

}  // namespace

QString DisplayMessage(const Message& message)
{
    std::vector<std::u16string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(DisplayArgument(arg));
    const std::u16string pattern = DisplayText(MessagePattern(message.id)).toStdU16String();
    return QString::fromStdU16String(InsertArguments(pattern, args));
}
