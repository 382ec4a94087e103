#include "lang/TransferMessages.h"

#include <iterator>

#include "lang/TextVariants.h"

namespace {

// In the order of TransferMessageId.
constexpr TextPair TransferTexts[] = {
    {"电台中现在可能只写入了部分设置：请重新写入。", "The radio may now hold a partly written setup: write it again."},
    {"正在连接电台...", "Connecting to the radio..."},
    {"正在验证密码...", "Checking the password..."},
    {"正在校验...", "Verifying..."},
    {"校验失败：电台从地址 %1 起与写入的数据不同，共有 %2 个字节不同。",
     "Verify failed: the radio differs from what was written first at address %1, in %2 bytes."},
    {"写入后校验", "Verify after writing"},
    {"打开备份...", "Open backup..."},
    {"保存通信记录...", "Save transfer log..."},
    {"无法备份：%1", "Could not back up: %1"},
    {"电台无法接受的数值", "Values the radio cannot take"},
    {"数据中有电台无法接受的数值。仍然写入吗？", "The record holds values the radio cannot take. Write anyway?"},
    {"文件中有电台无法接受的数值：", "The file holds values the radio cannot take:"},
    {"仍然写入", "Write anyway"},
    {"信道或项目", "Channel or field"},
    {"数值", "Value"},
    {"问题", "What is wrong"},
    {"信道 %1", "Channel %1"},
    {"超出频段", "outside the band"},
    {"不在5kHz或6.25kHz步进上", "not on the 5 kHz or 6.25 kHz raster"},
    {"不是有效的亚音", "not a valid tone"},
    {"不在可选值之中", "not one of the field's choices"},
    {"超过该项的长度", "longer than the field holds"},
    {"文件长度不是3128字节", "the file is not 3128 bytes long"},
    {"快速连接", "Fast link"},
};

static_assert(std::size(TransferTexts) == TransferMessageCount);

}

std::string TransferMessageText(TransferMessageId id)
{
    static const TextVariants texts(TransferTexts);
    return texts.Text(int(id));
}

std::string EnglishTransferMessage(TransferMessageId id)
{
    const int entry = int(id);
    return entry >= 0 && entry < TransferMessageCount ? TransferTexts[entry].English : "";
}

TransferMessageId ProblemMessage(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::OutsideBand:
        return TransferMessageId::ProblemOutsideBand;
    case RecordProblem::OffRaster:
        return TransferMessageId::ProblemOffRaster;
    case RecordProblem::InvalidTone:
        return TransferMessageId::ProblemInvalidTone;
    case RecordProblem::TooLong:
        return TransferMessageId::ProblemTooLong;
    case RecordProblem::WrongSize:
        return TransferMessageId::ProblemWrongSize;
    default:
        return TransferMessageId::ProblemOutsideList;
    }
}

std::string EnglishFinding(const RecordFinding& finding)
{
    const std::string where = finding.channel ? "channel " + std::to_string(finding.channel) + " " : "";
    return where + finding.field + " = " + finding.value + ": " +
           EnglishTransferMessage(ProblemMessage(finding.problem));
}
