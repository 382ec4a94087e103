#include "Wording.h"

#include "lang/AppLang.h"
#include "lang/MessageArguments.h"
#include "text/Big5Encoding.h"
#include "text/GbkEncoding.h"

namespace {

// The page names no system errors: its files come as bytes, and its port reports its own.
std::string ShownArgument(const MessageArg& arg)
{
    if (arg.systemError == 0)
        return arg.text;
    const auto reason = ReasonMessage(arg.systemError);
    return reason ? ShownText(MessagePattern(*reason)) : SystemErrorText(arg.systemError);
}

}

void UseLanguage(LanguageSetting language) { ApplyLanguageSetting(language); }

std::string ShownText(const std::string& looked)
{
    const bool big5 = AppLang().LangType() == TTeskFuncs::LangTraditionalChinese;
    return big5 ? Big5ToUtf8(looked) : GbkToUtf8(looked);
}

std::string ShownMessage(const Message& message)
{
    std::vector<std::string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(ShownArgument(arg));
    return InsertArguments(ShownText(MessagePattern(message.id)), args);
}
