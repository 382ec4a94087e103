#include "lang/CsvReportText.h"

#include <iterator>

#include "lang/TextTable.h"
#include "lang/TextVariants.h"

namespace {

// In the order of CsvRowIssue; %1 is the line, %2 the row's detail.
constexpr TextPair RowNoteTexts[] = {
    {"第 %1 行未导入：已没有空余信道", "Line %1 left out: no channel left"},
    {"第 %1 行未导入：位置 %2 不是信道号 1-16", "Line %1 left out: Location %2 is no channel 1-16"},
    {"第 %1 行未导入：频率不是数字（%2）", "Line %1 left out: a frequency is not a number (%2)"},
    {"第 %1 行未导入：%2 MHz 不在当前频段内", "Line %1 left out: %2 MHz is outside the band"},
    {"第 %1 行未导入：模式 %2 不是 FM 或 NFM", "Line %1 left out: mode %2 is neither FM nor NFM"},
    {"第 %1 行：本机没有反向静噪（%2），已不设亚音频", "Line %1: the radio has no reverse squelch (%2); taken without tones"},
    {"第 %1 行：亚音频无法使用（%2），已不设亚音频", "Line %1: tones not usable (%2); taken without tones"},
    {"第 %1 行：频率已调整到信道步进上（%2 MHz）", "Line %1: frequency moved onto the channel raster (%2 MHz)"},
    {"第 %1 行：名称已截短为“%2”", "Line %1: name cut to \"%2\""},
    {"第 %1 行：名称中无法存储的字符已换成“?”：“%2”", "Line %1: characters the radio cannot store became \"?\": \"%2\""},
    {"第 %1 行：%2 无法使用，已采用新信道的默认值", "Line %1: %2 not usable; the new-channel default stands"},
};

static_assert(std::size(RowNoteTexts) == size_t(CsvRowIssue::ValueIgnored) + 1);

constexpr TextPair ImportTexts[] = {
    {"表格中没有 Frequency 列，未导入任何信道", "The table has no Frequency column; nothing was imported"},
    {"已导入 %1 个信道", "%1 channel(s) imported"},
};

enum ImportText { RefusedText, ImportedText };

QString Pattern(const TextVariants& table, int entry) { return DisplayText(table.Text(entry)); }

const TextVariants& ImportTable()
{
    static const TextVariants texts(ImportTexts);
    return texts;
}

}

QString CsvRowNoteText(const CsvRowNote& note)
{
    static const TextVariants texts(RowNoteTexts);
    return Pattern(texts, int(note.issue)).arg(note.line).arg(QString::fromStdString(note.detail));
}

QString CsvRefusedText() { return Pattern(ImportTable(), RefusedText); }

QString CsvImportedText(unsigned channels) { return Pattern(ImportTable(), ImportedText).arg(channels); }
