#include "calibration/AdjustmentLayout.h"

#include <iterator>

namespace {

std::vector<AdjustmentRow> PointRows()
{
    constexpr const char* SpotCaptions[] = {"400", "417", "435", "452", "470"};
    std::vector<AdjustmentRow> rows;
    for (size_t k = 0; k < std::size(SpotCaptions); ++k) {
        const std::string edit = "eFreq_" + std::to_string(k);
        rows.push_back({SpotCaptions[k], {edit, edit + "_H", edit + "_M", edit + "_L", edit + "_Tune"}});
    }
    return rows;
}

// W or N at the end of each box's name, or before the number of a special deviation.
AdjustmentGroup BandGroup(const char* title, const std::string& band)
{
    return {title,
            {},
            {
                {"频偏", {"ePinPian_" + band}},
                {"特殊频偏1", {"ePinPian_" + band + "_Spe_1"}},
                {"特殊频偏2", {"ePinPian_" + band + "_Spe_2"}},
                {"DTMF幅度", {"eDtmfFuDu_" + band}},
                {"1750幅度", {"e1750FuDu_" + band}},
                {"CTC频偏", {"eCtcPinPian_" + band}},
                {"DCS频偏", {"eDcsPinPian_" + band}},
            }};
}

AdjustmentGroup LevelGroup(const char* title, const char* firstEdit, const char* ninthEdit)
{
    return {title, {}, {{"第1级", {firstEdit}}, {"第9级", {ninthEdit}}}};
}

std::vector<AdjustmentGroup> BuildGroups()
{
    return {
        {"", {"频点", "高", "中", "低", "TUNE"}, PointRows(), true},
        BandGroup("宽带", "W"),
        BandGroup("窄带", "N"),
        LevelGroup("静噪等级", "eSQL_L1", "eSQL_L9"),
        LevelGroup("声控等级", "eVOX_L1", "eVOX_L9"),
        {"",
         {"低压", "1级", "2级"},
         {
             {"待机电压", {"eBatt_L0_Wait", "eBatt_L1_Wait", "eBatt_L2_Wait"}},
             {"发射电压", {"eBatt_L0_Tx", "eBatt_L1_Tx", "eBatt_L2_Tx"}},
             {"最高电压", {"eBatt_High"}},
         }},
        {"", {}, {{"晶体偏差", {"eXtal_PP"}}}},
    };
}

}

const std::vector<AdjustmentGroup>& AdjustmentGroups()
{
    static const std::vector<AdjustmentGroup> groups = BuildGroups();
    return groups;
}

std::string AdjustmentBoxName(const AdjustmentGroup& group, size_t row, size_t column)
{
    const AdjustmentRow& boxes = group.rows.at(row);
    if (boxes.edits.size() == 1)
        return boxes.caption;
    const std::string& title = group.columns.at(column);
    return group.rowCaptionsHidden ? title + ' ' + boxes.caption : boxes.caption + ' ' + title;
}

const std::vector<std::string>& AdjustmentHints()
{
    static const std::vector<std::string> hints = {
        "本对话框中，除了以下列出的几点，",
        "其他输入框的范围均为0~255",
        "CTC DCS频偏的范围为0~63",
        "频偏的范围为0~127",
    };
    return hints;
}
