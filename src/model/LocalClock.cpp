#include "model/LocalClock.h"

#include <ctime>

DateTimeStamp LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {uint16_t(local.tm_year + 1900), uint8_t(local.tm_mon + 1), uint8_t(local.tm_mday),
            uint8_t(local.tm_hour), uint8_t(local.tm_min)};
}
