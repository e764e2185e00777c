#include "astro/datetime.h"
#include "calendar/calendartexts.h"

#include <gtest/gtest.h>

using namespace somnar::astro;
using namespace somnar::calendar;

namespace {

TEST(CalendarTexts, CoordinatesLine)
{
    EXPECT_EQ(CoordinatesText(PlaceSettings {}, 3), QStringLiteral("55°45' с.ш.  37°35' в.д 3 GMT"));
    const PlaceSettings southWest {33, 52, -1, 70, 40, -1};
    EXPECT_EQ(CoordinatesText(southWest, -5), QStringLiteral("33°52' ю.ш.  70°40' з.д. -5 GMT"));
}

TEST(CalendarTexts, GmtHoursCountHourBoundaries)
{
    struct Case {
        double universal, local;
        int hours;
    };
    const Case cases[] = {
        {MakeDateTime(2024, 3, 1, 9, 0), MakeDateTime(2024, 3, 1, 12, 0), 3},
        {MakeDateTime(2024, 3, 1, 9, 10), MakeDateTime(2024, 3, 1, 14, 40), 5},
        {MakeDateTime(2024, 3, 1, 9, 40), MakeDateTime(2024, 3, 1, 15, 10), 6},
        {MakeDateTime(2024, 3, 1, 2, 0), MakeDateTime(2024, 2, 29, 21, 0), -5},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GmtOffsetHours(c.universal, c.local), c.hours);
}

TEST(CalendarTexts, LunarDayPeriod)
{
    const QString text = LunarDayPeriodText(MakeDateTime(2024, 3, 10, 12, 1, 32), MakeDateTime(2024, 3, 11, 7, 25, 5));
    EXPECT_TRUE(text.startsWith(QStringLiteral(" (10 ")));
    EXPECT_TRUE(text.contains(QStringLiteral(" 2024 12:01 - 11 ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(" 2024 07:25)")));
    EXPECT_TRUE(text.contains(QStringLiteral("мар")));
}

}
