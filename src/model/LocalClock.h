#pragma once

#include <cstdint>
#include <ctime>

// A local date and time to the minute, as the radio records when it was last programmed.
struct DateTimeStamp {
    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minute = 0;
};

DateTimeStamp LocalNow();

// The moment as the local calendar and clock read it.
std::tm LocalTime(std::time_t moment);
