#pragma once
// The start and end stamps of a run's summary.

#include <ctime>
#include <string>

// The local wall-clock time as "hh:mm:ss" (hour 0 to 23).
std::string MakeTimeStamp();

// The stamp of a given time; every part is -1 when the time does not convert.
std::string MakeTimeStamp(std::time_t when);
