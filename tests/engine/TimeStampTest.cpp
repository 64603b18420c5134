// The time stamps of the summary.

#include "engine/TimeStamp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <regex>

namespace {

// Sets TZ for one test and puts the old value back.
class UtcZone {
public:
    UtcZone()
    {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone()
    {
        if (m_old)
            setenv("TZ", m_old->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_old;
};

TEST(TimeStamp, IsHoursMinutesAndSecondsOfTwoDigits)
{
    UtcZone utc;
    EXPECT_EQ(MakeTimeStamp(0), "00:00:00");
    EXPECT_EQ(MakeTimeStamp(13 * 3600 + 5 * 60 + 9), "13:05:09");
    EXPECT_EQ(MakeTimeStamp(86399), "23:59:59");
}

TEST(TimeStamp, ATimeThatDoesNotConvertGivesMinusOneForEveryPart)
{
    EXPECT_EQ(MakeTimeStamp(std::numeric_limits<std::time_t>::max()), "-1:-1:-1");
}

TEST(TimeStamp, NowHasTheSameForm)
{
    EXPECT_TRUE(std::regex_match(MakeTimeStamp(), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));
}

}  // namespace
