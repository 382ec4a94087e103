#include <gtest/gtest.h>

#include <map>

#include "calibration/AdjustmentFields.h"
#include "calibration/AdjustmentLayout.h"

namespace {

TEST(AdjustmentLayout, EveryFieldHasOneBoxWithARowForIt)
{
    std::map<std::string, int> placed;
    for (const AdjustmentGroup& group : AdjustmentGroups())
        for (const AdjustmentRow& row : group.rows) {
            EXPECT_TRUE(row.edits.size() == 1 || row.edits.size() <= group.columns.size()) << row.caption;
            for (const std::string& edit : row.edits)
                ++placed[edit];
        }
    EXPECT_EQ(placed.size(), AdjustmentFields().size());
    for (const AdjustmentField& field : AdjustmentFields())
        EXPECT_EQ(placed[field.EditName], 1) << field.EditName;
}

TEST(AdjustmentLayout, BoxesAreNamedByTheirRowAndColumn)
{
    const struct {
        AdjustmentGroupIndex group;
        size_t row;
        size_t column;
        const char* name;
    } cases[] = {
        {PointGroup, 0, 1, "高 400"},
        {PointGroup, 4, 0, "频点 470"},
        {BatteryGroup, 1, 2, "发射电压 2级"},
        {BatteryGroup, 2, 0, "最高电压"},
        {NarrowGroup, 5, 0, "CTC频偏"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AdjustmentBoxName(AdjustmentGroups()[c.group], c.row, c.column), c.name);
}

}
