#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "lang/RecordDifferenceText.h"
#include "model/ChannelFields.h"
#include "model/DtmfDigits.h"
#include "model/Password.h"

namespace {

using TTeskFuncs::LangEnglish;
using TTeskFuncs::LangSimplifiedChinese;

constexpr const char* Secret = "kr27";

RadioSettings Master()
{
    RadioSettings s;
    s.ResetToDefaults();
    s.SetChannelUsed(3, true);
    s.Channel[3].RxFreq = 446006250;
    s.Channel[3].TxFreq = 446006250;
    s.SetAddrBookEntryUsed(2, true);
    StoreDtmfText("1234", s.Entry(2).Id, AddrBookIdCapacity, s.Entry(2).IdLength);
    std::memcpy(s.Entry(2).EntryName, "BASE", 4);
    StorePasswordText(s.Password, Secret);
    return s;
}

RadioSettings Changed(const std::function<void(RadioSettings&)>& change)
{
    RadioSettings s = Master();
    change(s);
    return s;
}

std::vector<std::string> Lines(const RadioSettings& second, TTeskFuncs::TLangType language)
{
    std::vector<std::string> lines;
    for (const DifferenceText& text : RecordDifferenceTexts(Master(), second, language))
        lines.push_back(DifferenceLine(text, language));
    return lines;
}

// Each kind of difference in the words of the check list, the grid and the setting pages.
TEST(RecordDifferenceText, SaysWhereAndWhatEachRecordHolds)
{
    const struct {
        std::function<void(RadioSettings&)> change;
        const char* english;
        const char* simplified;
    } cases[] = {
        {[](RadioSettings& s) { s.Channel[3].TxFreq = 446012500; },
         "Channel 3, transmit frequency: 446.00625 / 446.01250", "信道 3，发射频率：446.00625 / 446.01250"},
        {[](RadioSettings& s) { s.Channel[3].SetPower(PowerHigh); }, "Channel 3, transmit power: Low / High",
         "信道 3，发射功率：低 / 高"},
        {[](RadioSettings& s) { s.SetChannelUsed(9, true); }, "Channel 9: not in use / in use",
         "信道 9：未使用 / 使用中"},
        {[](RadioSettings& s) { s.Vox = 5; }, "VOX Gain: 8 / 5", "声控增益：8 / 5"},
        {[](RadioSettings& s) { s.Beep = 0; }, "Key Beep: ON / OFF", "按键音：开启 / 关闭"},
        {[](RadioSettings& s) { s.Key2Short = 0; }, "Key 2 Short Press: Battery Power Indicator / Unassigned",
         "按键 2 短按：电量查询 / 未设定"},
        {[](RadioSettings& s) { StoreDtmfText("0199", s.Ani, DtmfCodeCapacity, s.AniLength); },
         "ANI(local): (empty) / 0199", "ANI(本机)：（空） / 0199"},
        {[](RadioSettings& s) { s.SetAddrBookEntryUsed(2, false); },
         "Address book entry 2: BASE 1234 / not in use", "通讯录第 2 项：BASE 1234 / 未使用"},
        {[](RadioSettings& s) { StorePasswordText(s.Password, ""); }, "Password: set / not set",
         "密码：已设置 / 未设置"},
        {[](RadioSettings& s) { StorePasswordText(s.Password, "kr28"); }, "Password: set / set, but different",
         "密码：已设置 / 已设置，但不同"},
    };
    for (const auto& c : cases) {
        const RadioSettings second = Changed(c.change);
        EXPECT_EQ(Lines(second, LangEnglish), std::vector<std::string>{c.english});
        EXPECT_EQ(Lines(second, LangSimplifiedChinese), std::vector<std::string>{c.simplified});
    }
}

TEST(RecordDifferenceText, ScriptsGetTheFieldKeyBesideTheWords)
{
    const RadioSettings second = Changed([](RadioSettings& s) {
        s.Channel[3].TxFreq = 446012500;
        StorePasswordText(s.Password, "kr28");
    });
    EXPECT_EQ(DifferencesJson(RecordDifferenceTexts(Master(), second, LangEnglish)),
              "[\n"
              "    {\n"
              "        \"field\": \"Channel[3].TxFreq\",\n"
              "        \"first\": \"446.00625\",\n"
              "        \"place\": \"Channel 3, transmit frequency\",\n"
              "        \"second\": \"446.01250\"\n"
              "    },\n"
              "    {\n"
              "        \"field\": \"Password\",\n"
              "        \"first\": \"set\",\n"
              "        \"place\": \"Password\",\n"
              "        \"second\": \"set, but different\"\n"
              "    }\n"
              "]\n");
    EXPECT_EQ(DifferencesJson({}), "[\n]\n");
}

}  // namespace
