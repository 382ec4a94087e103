#include "model/LocalClock.h"

std::tm LocalTime(std::time_t moment)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &moment);
#else
    localtime_r(&moment, &local);
#endif
    return local;
}

DateTimeStamp LocalNow()
{
    const std::tm local = LocalTime(std::time(nullptr));
    return {uint16_t(local.tm_year + 1900), uint8_t(local.tm_mon + 1), uint8_t(local.tm_mday),
            uint8_t(local.tm_hour), uint8_t(local.tm_min)};
}
