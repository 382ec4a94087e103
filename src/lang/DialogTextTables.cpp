#include "lang/TextLookup.h"

#include <iterator>

#include "lang/TextVariants.h"

namespace {

constexpr TextPair ProgramDialogTexts[] = {
    {"开始", "Start"},
    {"取消", "Cancel"},
    {"无法连接", "Communication False"},
    {"成功", "SUCCESS"},
    {"密码验证错误!", "Password Error"},
    {"频段不同，是否继续？", "band difference，continue?"},
    {"继续", "Continue"},
};

constexpr TextPair PortDialogTexts[] = {
    {"确认", "OK"},
    {"取消", "Cancel"},
    {"自动查找通讯口", "Auto search COM port"},
};

// Entries 7 to 21 are not used by the dialog and stay empty.
constexpr TextPair AdjustmentDialogTexts[] = {
    /*  0 */ {"确认", "OK"},
    /*  1 */ {"取消", "Cancel"},
    /*  2 */ {"新建", "New"},
    /*  3 */ {"打开", "Open"},
    /*  4 */ {"保存", "Save"},
    /*  5 */ {"写入", "Write"},
    /*  6 */ {"读取", "Read"},
    {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""},
    {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""},
    /* 22 */ {"打开", "Open"},
    /* 23 */ {"保存", "Save"},
    /* 24 */ {"清除所有数据？", "Clear all data ?"},
};

static_assert(std::size(AdjustmentDialogTexts) == 25);

constexpr TextPair NoticeTexts[] = {
    {"确认", "OK"},
};

}

std::string ProgramDialogText(int entry)
{
    static const TextVariants texts(ProgramDialogTexts);
    return texts.Text(entry);
}

std::string PortDialogText(int entry)
{
    static const TextVariants texts(PortDialogTexts);
    return texts.Text(entry);
}

std::string AdjustmentDialogText(int entry)
{
    static const TextVariants texts(AdjustmentDialogTexts);
    return texts.Text(entry);
}

std::string NoticeOkText()
{
    static const TextVariants texts(NoticeTexts);
    return texts.Text(0);
}
