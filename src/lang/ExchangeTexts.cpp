#include "lang/ExchangeTexts.h"

#include <iterator>

#include "lang/TextTable.h"
#include "lang/TextVariants.h"

namespace {

// In the order of ExchangeText.
constexpr TextPair ExchangeTexts[] = {
    {"导入信道（CSV）", "Import channels (CSV)"},
    {"导出信道（CSV）", "Export channels (CSV)"},
    {"打印信道表", "Print channel sheet"},
    {"导出信道表（PDF）", "Export channel sheet (PDF)"},
    {"信道表", "Channel sheet"},
    {"文件", "File"},
    {"日期", "Date"},
};

static_assert(std::size(ExchangeTexts) == size_t(ExchangeText::SheetDate) + 1);

}

QString ExchangeTr(ExchangeText text)
{
    static const TextVariants texts(ExchangeTexts);
    return DisplayText(texts.Text(int(text)));
}
