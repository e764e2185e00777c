#include "astro/datetime.h"
#include "astro/timezone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace somnar::astro;

namespace {

TEST(TimeZone, ShiftsByTheOffsetInForceNow)
{
    // The offset in force at the call, summer time here, applies to a January date too.
    const FixedUtcOffset summer(180);
    EXPECT_NEAR(LocalToUniversal(MakeDateTime(2024, 1, 15, 2), summer), MakeDateTime(2024, 1, 14, 23), 1e-9);
    EXPECT_NEAR(UniversalToLocal(MakeDateTime(2024, 1, 14, 23), summer), MakeDateTime(2024, 1, 15, 2), 1e-9);
    const FixedUtcOffset newYork(-300);
    EXPECT_NEAR(LocalToUniversal(MakeDateTime(1899, 12, 29, 22), newYork), MakeDateTime(1899, 12, 30, 3), 1e-9);
}

TEST(TimeZone, SystemOffsetIsMinutesEast)
{
    const char *saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    setenv("TZ", "<+0530>-5:30", 1);
    tzset();
    EXPECT_EQ(SystemOffset().currentOffsetMinutes(), 330);
    setenv("TZ", "<-03>3", 1);
    tzset();
    EXPECT_EQ(SystemOffset().currentOffsetMinutes(), -180);
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}
