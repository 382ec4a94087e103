#include "lang/DeviceInfoText.h"

#include <algorithm>

std::string LastWriteText(const RadioSettings& settings)
{
    using std::to_string;
    return to_string(settings.LastWriteYear) + "-" + to_string(settings.LastWriteMonth) + "-" +
           to_string(settings.LastWriteDay) + "  " + to_string(settings.LastWriteHour) + ":" +
           to_string(settings.LastWriteMinute);
}

std::string FieldText(const uint8_t* field, size_t size)
{
    const uint8_t* end = std::find(field, field + size, uint8_t{0});
    return std::string(field, end);
}
