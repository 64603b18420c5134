// Time stamps of the run's summary.

#include "engine/TimeStamp.h"

#include <cstdio>

std::string MakeTimeStamp()
{
    return MakeTimeStamp(std::time(nullptr));
}

std::string MakeTimeStamp(std::time_t when)
{
    std::tm parts {};
    int hour = -1, minute = -1, second = -1;
    if (localtime_r(&when, &parts)) {
        hour = parts.tm_hour;
        minute = parts.tm_min;
        second = parts.tm_sec;
    }
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}
