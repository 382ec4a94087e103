#include "lang/TextTable.h"

#include "lang/AppLang.h"
#include "text/Big5Encoding.h"
#include "text/GbkEncoding.h"

// Traditional Chinese texts have become Big5 in FromGBK; all others are GBK, of which ASCII is the
// one-byte part, so the English texts' full-width punctuation shows as it does in Chinese.
QString DisplayText(const std::string& text)
{
    const bool big5 = AppLang().LangType() == TTeskFuncs::LangTraditionalChinese;
    return QString::fromStdString(big5 ? Big5ToUtf8(text) : GbkToUtf8(text));
}
