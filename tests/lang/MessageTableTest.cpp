#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "files/FileResult.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"

namespace {

constexpr LanguageSetting SettingEnglish = LanguageSetting::English;
constexpr LanguageSetting SettingSimplified = LanguageSetting::SimplifiedChinese;
constexpr LanguageSetting SettingTraditional = LanguageSetting::TraditionalChinese;
constexpr LanguageSetting Settings[] = {SettingEnglish, SettingSimplified, SettingTraditional};

std::set<std::string> Placeholders(const QString& pattern)
{
    std::set<std::string> found;
    for (qsizetype i = pattern.indexOf('%'); i >= 0 && i + 1 < pattern.size(); i = pattern.indexOf('%', i + 1))
        found.insert(pattern.mid(i, 2).toStdString());
    return found;
}

std::string Shown(LanguageSetting setting, const Message& message)
{
    ApplyLanguageSetting(setting);
    return DisplayMessage(message).toStdString();
}

class MessageTableTest : public testing::Test {
protected:
    ~MessageTableTest() override { ApplyLanguageSetting(SettingSimplified); }
};

// A translation that drops a placeholder drops the path or the reason with it.
TEST_F(MessageTableTest, EveryLanguageTakesTheSameArguments)
{
    for (size_t i = 0; i < MessageCount; ++i) {
        const MessageId id = MessageId(i);
        ApplyLanguageSetting(SettingEnglish);
        const std::string english = MessagePattern(id);
        for (const char c : english)
            EXPECT_LT(uint8_t(c), 0x80) << "standard error gets plain ASCII: " << english;
        for (const LanguageSetting setting : Settings) {
            ApplyLanguageSetting(setting);
            EXPECT_EQ(Placeholders(DisplayText(MessagePattern(id))), Placeholders(QString::fromStdString(english)))
                << "message " << i << " setting " << int(setting);
        }
    }
}

TEST_F(MessageTableTest, MessagesAreWordedInTheInterfaceLanguageWithTheirArguments)
{
    const Message missingFolder = FileMessage(FileResult::Failure(FileProblem::CannotSave, "/proc/test.Kqd", ENOENT));
    const std::string systemText = QString::fromLocal8Bit(std::strerror(EXDEV)).toStdString();
    const struct {
        LanguageSetting setting;
        Message message;
        std::string shown;
    } cases[] = {
        {SettingEnglish, missingFolder, "Cannot save /proc/test.Kqd: No such file or directory"},
        {SettingSimplified, missingFolder, "无法保存 /proc/test.Kqd：文件或文件夹不存在"},
        {SettingTraditional, missingFolder, "無法保存 /proc/test.Kqd：文件或文件夾不存在"},
        {SettingSimplified, FileMessage(FileResult::WrongSize(FileProblem::ChannelFileTooShort, "a.Kqd", 100, 3128)),
         "a.Kqd 只有 100 字节；信道数据文件应有 3128 字节"},
        {SettingTraditional, FileMessage(FileResult::Failure(FileProblem::NotAFileToOpen, "/tmp/fifo")),
         "無法打開 /tmp/fifo：它是文件夾、設備或管道，不是文件"},
        {SettingSimplified, {MessageId::CannotRead, {"/tmp/100%2.Kqd", MessageArg::Reason(EIO)}},
         "无法读取 /tmp/100%2.Kqd：输入输出错误"},
        {SettingSimplified, {MessageId::CannotSave, {"a.Kqd", MessageArg::Reason(EXDEV)}}, "无法保存 a.Kqd：" + systemText},
        {SettingSimplified, {MessageId::NotANumber, {"12a"}}, "不是数字，未采用： \"12a\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.setting, c.message), c.shown);

    ApplyLanguageSetting(SettingTraditional);
    EXPECT_EQ(EnglishMessage(missingFolder), "Cannot save /proc/test.Kqd: No such file or directory");
}

}  // namespace
