#include "astro/datetime.h"
#include "calendar/calendartexts.h"

#include <gtest/gtest.h>

using namespace somnar::astro;
using namespace somnar::calendar;

namespace {

TEST(CalendarTexts, CoordinatesLine)
{
    EXPECT_EQ(CoordinatesText(PlaceSettings {}, 180), QStringLiteral("55°45' с.ш.  37°35' в.д 3 GMT"));
    const PlaceSettings southWest {33, 52, -1, 70, 40, -1};
    EXPECT_EQ(CoordinatesText(southWest, -300), QStringLiteral("33°52' ю.ш.  70°40' з.д. -5 GMT"));
}

TEST(CalendarTexts, GmtOffsetKeepsTheMinutesOfHalfHourZones)
{
    struct Case {
        int minutesEast;
        const char *text;
    };
    const Case cases[] = {
        {180, "3"}, {0, "0"}, {-300, "-5"}, {840, "14"}, {330, "5:30"},
        {345, "5:45"}, {-210, "-3:30"}, {-150, "-2:30"}, {-30, "-0:30"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GmtOffsetText(c.minutesEast), QString::fromUtf8(c.text)) << c.minutesEast;
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
