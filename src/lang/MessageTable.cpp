#include "lang/Messages.h"

#include <cerrno>
#include <cstring>
#include <iterator>

#include "lang/MessageArguments.h"
#include "lang/TextVariants.h"

namespace {

// In the order of MessageId.
constexpr TextPair MessageTexts[] = {
    {"无法打开 %1：%2", "Cannot open %1: %2"},
    {"无法读取 %1：%2", "Cannot read %1: %2"},
    {"无法保存 %1：%2", "Cannot save %1: %2"},
    {"无法打开 %1：它是文件夹、设备或管道，不是文件", "Cannot open %1: it is a folder, device or pipe, not a file"},
    {"无法保存 %1：它是文件夹、设备或管道，不是文件，已保持原样",
     "Cannot save %1: it is a folder, device or pipe, not a file, and was left as it is"},
    {"%1 已写入，但系统未确认它已存入磁盘：%2", "%1 was written, but the system did not confirm that it is on disk: %2"},
    {"%1 只有 %2 字节；信道数据文件应有 %3 字节", "%1 is %2 bytes long; a channel data file holds %3 bytes"},
    {"%1：存储映像应为 %2 字节，此文件有 %3 字节", "%1: a memory image is %2 bytes, this file has %3"},
    {"%1：存储映像应为 %2 字节，此文件更长", "%1: a memory image is %2 bytes, this file is longer"},
    {"%1：大于 %2 MiB", "%1: larger than %2 MiB"},
    {"无法备份：不知道数据文件夹（未设置 HOME）", "Cannot back up: no data folder is known (HOME is not set)"},
    {"无法备份到 %1：%2", "Cannot back up into %1: %2"},
    {"串口 %1 不存在（%2）", "serial port %1 does not exist (%2)"},
    {"串口 %1 被占用或无权访问（%2）：请关闭正在使用它的其他程序（调制解调器管理程序或盲文服务可能占用了USB转串口线），"
     "并确认当前用户有权打开串口设备（Debian中为dialout组）",
     "serial port %1 is busy or access is denied (%2): close any other program using it (a modem manager or braille "
     "daemon may have grabbed a USB adapter) and make sure your user may open serial devices (on Debian: the dialout "
     "group)"},
    {"串口 %1 已被打开", "serial port %1 is already open"},
    {"串口 %1 无法使用（%2）", "serial port %1 cannot be used (%2)"},
    {"不是数字，未采用： \"%1\"", "Not a number, not taken: \"%1\""},
    {"文件或文件夹不存在", "No such file or directory"},
    {"没有访问权限", "Permission denied"},
    {"不允许此操作", "Operation not permitted"},
    {"文件系统为只读", "Read-only file system"},
    {"磁盘空间不足", "No space left on device"},
    {"超出磁盘配额", "Disk quota exceeded"},
    {"这是文件夹", "Is a directory"},
    {"路径中有一项不是文件夹", "Not a directory"},
    {"设备或资源忙", "Device or resource busy"},
    {"文件已存在", "File exists"},
    {"文件过大", "File too large"},
    {"输入输出错误", "Input/output error"},
    {"文件名过长", "File name too long"},
    {"符号链接层数过多", "Too many levels of symbolic links"},
    {"没有此设备或地址", "No such device or address"},
};

static_assert(std::size(MessageTexts) == MessageCount);

struct ReasonEntry {
    int systemError;
    MessageId id;
};

constexpr ReasonEntry Reasons[] = {
    {ENOENT, MessageId::ReasonNoSuchFile},
    {EACCES, MessageId::ReasonPermissionDenied},
    {EPERM, MessageId::ReasonNotPermitted},
    {EROFS, MessageId::ReasonReadOnlyFileSystem},
    {ENOSPC, MessageId::ReasonNoSpace},
#ifdef EDQUOT
    {EDQUOT, MessageId::ReasonQuotaExceeded},
#endif
    {EISDIR, MessageId::ReasonIsAFolder},
    {ENOTDIR, MessageId::ReasonNotAFolder},
    {EBUSY, MessageId::ReasonBusy},
    {EEXIST, MessageId::ReasonExists},
    {EFBIG, MessageId::ReasonTooLarge},
    {EIO, MessageId::ReasonInputOutput},
    {ENAMETOOLONG, MessageId::ReasonNameTooLong},
    {ELOOP, MessageId::ReasonTooManyLinks},
    {ENXIO, MessageId::ReasonNoDevice},
};

const TextVariants& Texts()
{
    static const TextVariants texts(MessageTexts);
    return texts;
}

std::string EnglishArgument(const MessageArg& arg)
{
    if (arg.systemError == 0)
        return arg.text;
    const auto reason = ReasonMessage(arg.systemError);
    return reason ? Texts().EnglishText(int(*reason)) : SystemErrorText(arg.systemError);
}

}  // namespace

std::string MessagePattern(MessageId id) { return Texts().Text(int(id)); }

std::optional<MessageId> ReasonMessage(int systemError)
{
    for (const ReasonEntry& entry : Reasons) {
        if (entry.systemError == systemError)
            return entry.id;
    }
    return std::nullopt;
}

std::string SystemErrorText(int systemError) { return std::strerror(systemError); }

std::string EnglishMessage(const Message& message)
{
    std::vector<std::string> args;
    for (const MessageArg& arg : message.args)
        args.push_back(EnglishArgument(arg));
    return InsertArguments(Texts().EnglishText(int(message.id)), args);
}
