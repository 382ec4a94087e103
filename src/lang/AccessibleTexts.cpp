#include "lang/AccessibleTexts.h"

#include <iterator>

#include "lang/TextTable.h"
#include "lang/TextVariants.h"

namespace {

// In the order of AccessibleText.
constexpr TextPair AccessibleTexts[] = {
    {"通讯录", "Address book"},
    {"传输状态", "Transfer status"},
};

static_assert(std::size(AccessibleTexts) == size_t(AccessibleText::TransferStatus) + 1);

}

QString AccessibleTr(AccessibleText text)
{
    static const TextVariants texts(AccessibleTexts);
    return DisplayText(texts.Text(int(text)));
}
