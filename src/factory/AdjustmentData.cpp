#include "factory/AdjustmentData.h"

AdjustmentData& CurrentAdjustmentData()
{
    static AdjustmentData record{};
    return record;
}
