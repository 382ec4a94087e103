#include "lang/TextTable.h"

#include <QStringDecoder>

#include "lang/AppLang.h"

// Traditional Chinese texts have become Big5 in FromGBK; all others are GBK, of which ASCII is the
// one-byte part, so the English texts' full-width punctuation shows as it does in Chinese.
QString DisplayText(const std::string& text)
{
    const bool big5 = AppLang().LangType() == TTeskFuncs::LangTraditionalChinese;
    QStringDecoder decoder(big5 ? "Big5" : "GBK");
    return decoder(QByteArrayView(text.data(), qsizetype(text.size())));
}
