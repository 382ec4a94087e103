#include "lang/Utf8Text.h"

#include "lang/MessageArguments.h"
#include "text/Big5Encoding.h"
#include "text/GbkEncoding.h"

namespace {

std::string ArgumentUtf8(const MessageArg& arg, TTeskFuncs::TLangType language)
{
    if (arg.worded)
        return TextUtf8(MessagePattern(*arg.worded, language), language);
    if (arg.systemError == 0)
        return arg.text;
    const auto reason = ReasonMessage(arg.systemError);
    return reason ? TextUtf8(MessagePattern(*reason, language), language) : SystemErrorText(arg.systemError);
}

}

std::string TextUtf8(const std::string& text, TTeskFuncs::TLangType language)
{
    return language == TTeskFuncs::LangTraditionalChinese ? Big5ToUtf8(text) : GbkToUtf8(text);
}

std::string EntryUtf8(TextEntry entry, TTeskFuncs::TLangType language)
{
    return TextUtf8(EntryText(entry, language), language);
}

std::string MessageUtf8(const Message& message, TTeskFuncs::TLangType language)
{
    std::vector<std::string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(ArgumentUtf8(arg, language));
    return InsertArguments(TextUtf8(MessagePattern(message.id, language), language), args);
}
