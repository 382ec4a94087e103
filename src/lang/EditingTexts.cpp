#include "lang/EditingTexts.h"

#include <iterator>

#include "lang/TextTable.h"
#include "lang/TextVariants.h"

namespace {

// In the order of EditingText.
constexpr TextPair EditingTexts[] = {
    {"撤销(&U)", "&Undo"},
    {"重做(&R)", "&Redo"},
    {"剪切(&T)", "Cu&t"},
    {"复制(&C)", "&Copy"},
    {"粘贴(&P)", "&Paste"},
    {"清除(&D)", "&Delete"},
    {"插入空行(&I)", "&Insert empty row"},
    {"上移(&M)", "&Move up"},
    {"下移(&O)", "M&ove down"},
    {"信道16将被移出并丢失，是否继续？", "Channel 16 will be pushed off the end and lost. Insert the row?"},
};

static_assert(std::size(EditingTexts) == size_t(EditingText::DropLastChannel) + 1);

}

QString EditingTr(EditingText text)
{
    static const TextVariants texts(EditingTexts);
    return DisplayText(texts.Text(int(text)));
}
