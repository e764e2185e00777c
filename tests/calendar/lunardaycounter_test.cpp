#include "astro/datetime.h"
#include "astro/moonphase.h"
#include "astro/timescales.h"
#include "calendar/calendarreading.h"
#include "calendar/lunardaycounter.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace somnar::astro;
using namespace somnar::calendar;

namespace {

constexpr double kSecond = 1.0 / 86400;
const GeoLocation kMoscow {55.75, 37.5833};
const GeoLocation kSydney {-33.8667, 151.2};

double Local(int year, int month, int day, int hour, int minute, int second = 0)
{
    return MakeDateTime(year, month, day, hour, minute, second);
}

class LunarDays : public ::testing::Test {
protected:
    FixedUtcOffset moscowTime {180};
    FixedUtcOffset sydneyTime {600};

    LunarDay dayAt(const GeoLocation &place, const UtcOffsetSource &offset, double localMoment)
    {
        LunarDayCounter counter(place, offset);
        EXPECT_TRUE(counter.MoonList(LocalToUniversal(localMoment, offset)));
        lastBoundaries = counter.boundaries();
        return counter.lunarDay();
    }

    std::vector<double> lastBoundaries;
};

// The lunation of the new moon of 2024-03-10 (12:01:32 Moscow time as the engine has it); its
// first moonrises at Moscow are 2024-03-11 07:25:05 and 2024-03-12 07:32:08.

TEST_F(LunarDays, JustAfterTheNewMoonIsLunarDayOne)
{
    const LunarDay day = dayAt(kMoscow, moscowTime, Local(2024, 3, 10, 12, 10));
    EXPECT_EQ(day.number, 1);
    EXPECT_NEAR(day.start, Local(2024, 3, 10, 12, 1, 32), 2 * kSecond);
    EXPECT_NEAR(day.end, Local(2024, 3, 11, 7, 25, 5), 2 * kSecond);
}

TEST_F(LunarDays, TheListRunsFromNewMoonToNewMoonThroughOrderedMoonrises)
{
    dayAt(kMoscow, moscowTime, Local(2024, 3, 20, 12, 0));
    ASSERT_GE(lastBoundaries.size(), 30u);
    EXPECT_NEAR(lastBoundaries.front(), Local(2024, 3, 10, 12, 1, 32), 2 * kSecond);
    EXPECT_NEAR(lastBoundaries.back(), Local(2024, 4, 8, 21, 22, 1), 2 * kSecond);
    for (std::size_t i = 1; i < lastBoundaries.size(); ++i)
        EXPECT_LT(lastBoundaries[i - 1], lastBoundaries[i]) << i;
}

TEST_F(LunarDays, AMomentAtAMoonriseBelongsToTheDayEndingThere)
{
    const LunarDay first = dayAt(kMoscow, moscowTime, Local(2024, 3, 12, 12, 0));
    ASSERT_EQ(first.number, 3);
    const double rise = first.start;

    const LunarDay atRise = dayAt(kMoscow, moscowTime, rise);
    EXPECT_EQ(atRise.number, 2);
    EXPECT_EQ(atRise.end, rise);
    const LunarDay afterRise = dayAt(kMoscow, moscowTime, AddDays(rise, kSecond));
    EXPECT_EQ(afterRise.number, 3);
    EXPECT_EQ(afterRise.start, rise);
}

TEST_F(LunarDays, EveningAndJustAfterMidnightShareTheLunarDayNotTheDate)
{
    LunarDayCounter counter(kMoscow, moscowTime);
    const CalendarReading evening = ReadCalendar(Local(2024, 3, 17, 23, 50), counter);
    const CalendarReading night = ReadCalendar(Local(2024, 3, 18, 0, 10), counter);
    EXPECT_EQ(evening.weekday, 7);
    EXPECT_EQ(night.weekday, 1);
    EXPECT_EQ(evening.day, 17);
    EXPECT_EQ(night.day, 18);
    EXPECT_EQ(evening.weekdayName, QStringLiteral("Воскресенье"));
    EXPECT_EQ(night.dayText, QStringLiteral("Сны хорошего значения."));
    ASSERT_TRUE(evening.lunarDayFound && night.lunarDayFound);
    EXPECT_EQ(evening.lunarDay.number, night.lunarDay.number);
    EXPECT_EQ(evening.lunarDay.start, night.lunarDay.start);
    EXPECT_EQ(evening.lunarText, night.lunarText);
}

TEST_F(LunarDays, HalfASecondBeforeANewMoonIsLunarDayOneOfTheNewLunation)
{
    const double newMoon = UniversalToLocal(JulianDayToDate(PhaseTime(1252, NewMoon)), moscowTime);
    const LunarDay day = dayAt(kMoscow, moscowTime, AddDays(newMoon, -0.4 * kSecond));
    EXPECT_EQ(day.number, 1);
    EXPECT_EQ(day.start, RoundToSecond(newMoon));
    EXPECT_NEAR(day.end, Local(2024, 3, 11, 7, 25, 5), 2 * kSecond);
    // The lunation closes at the following new moon, not at the one just reached.
    EXPECT_NEAR(lastBoundaries.back(), Local(2024, 4, 8, 21, 22, 1), 2 * kSecond);
}

TEST_F(LunarDays, SydneyMoonriseEarlyOnTheNewMoonsDate)
{
    // New moon 2024-04-09 04:22 local (UTC+10); the Moon rises at 06:24 the same morning, which
    // is 20:24 UT of the day before.
    const LunarDay beforeRise = dayAt(kSydney, sydneyTime, Local(2024, 4, 9, 5, 0));
    EXPECT_EQ(beforeRise.number, 1);
    EXPECT_NEAR(beforeRise.end, Local(2024, 4, 9, 6, 24, 18), 2 * kSecond);

    const LunarDay afterRise = dayAt(kSydney, sydneyTime, Local(2024, 4, 9, 12, 0));
    EXPECT_EQ(afterRise.number, 2);
    EXPECT_NEAR(afterRise.start, Local(2024, 4, 9, 6, 24, 18), 2 * kSecond);
    EXPECT_NEAR(afterRise.end, Local(2024, 4, 10, 7, 37, 23), 2 * kSecond);
}

TEST_F(LunarDays, TheLastLunarDayEndsAtTheNextNewMoon)
{
    const LunarDay day = dayAt(kMoscow, moscowTime, Local(2024, 4, 8, 21, 0));
    EXPECT_EQ(day.number, static_cast<short>(lastBoundaries.size() - 1));
    EXPECT_EQ(day.end, lastBoundaries.back());
    EXPECT_NEAR(day.start, Local(2024, 4, 8, 5, 39, 59), 2 * kSecond);
}

TEST_F(LunarDays, TheYieldRunsDuringTheSearchAndACallInsideItIsRefused)
{
    LunarDayCounter *self = nullptr;
    int yields = 0;
    bool nestedAccepted = true;
    LunarDayCounter counter(kMoscow, moscowTime, [&] {
        ++yields;
        nestedAccepted = self->MoonList(LocalToUniversal(Local(2024, 1, 1, 0, 0), moscowTime));
    });
    self = &counter;
    EXPECT_TRUE(counter.MoonList(LocalToUniversal(Local(2024, 3, 20, 12, 0), moscowTime)));
    EXPECT_GT(yields, 0);
    EXPECT_FALSE(nestedAccepted);
    EXPECT_EQ(counter.lunarDay().number, 10);
}


class SettableOffset final : public UtcOffsetSource {
public:
    int currentOffsetMinutes() const override { return minutes; }
    int minutes = 180;
};

TEST_F(LunarDays, TheListIsKeptWithinALunationAtOneOffset)
{
    SettableOffset offset;
    int searches = 0;
    LunarDayCounter counter(kMoscow, offset, [&] { ++searches; });
    const auto searchesFor = [&](double localMoment) {
        searches = 0;
        EXPECT_TRUE(counter.MoonList(LocalToUniversal(localMoment, offset)));
        return searches;
    };

    EXPECT_GT(searchesFor(Local(2024, 3, 20, 12, 0)), 0);
    EXPECT_EQ(searchesFor(Local(2024, 3, 25, 3, 0)), 0);
    EXPECT_EQ(counter.lunarDay().start, dayAt(kMoscow, offset, Local(2024, 3, 25, 3, 0)).start);

    offset.minutes = 240;
    EXPECT_GT(searchesFor(Local(2024, 3, 25, 3, 0)), 0);
    EXPECT_NEAR(counter.boundaries().front(), Local(2024, 3, 10, 13, 1, 32), 2 * kSecond);
    EXPECT_GT(searchesFor(Local(2024, 4, 20, 12, 0)), 0);
}
}

namespace {

struct Town {
    const char *name;
    GeoLocation place;
    int offsetMinutes;
};

class LunarDaysAtTowns : public ::testing::TestWithParam<Town> {};

// Every moment of a lunation lies in exactly one lunar day, the numbers never go back, and the
// list closes at the next new moon whatever the town's offset from Greenwich.
TEST_P(LunarDaysAtTowns, EveryMomentOfALunationHasOneLunarDay)
{
    const Town town = GetParam();
    const FixedUtcOffset offset(town.offsetMinutes);
    LunarDayCounter counter(town.place, offset);
    const double opening = UniversalToLocal(JulianDayToDate(PhaseTime(1252, NewMoon)), offset);
    const double closing = UniversalToLocal(JulianDayToDate(PhaseTime(1253, NewMoon)), offset);

    short previous = 0;
    for (double moment = AddDays(opening, 1.0 / 48); moment < AddDays(closing, -1.0 / 48);
         moment = AddDays(moment, 0.25)) {
        ASSERT_TRUE(counter.MoonList(LocalToUniversal(moment, offset))) << town.name;
        const LunarDay &day = counter.lunarDay();
        EXPECT_GE(day.number, previous) << town.name;
        EXPECT_LT(day.start, moment) << town.name;
        EXPECT_GE(day.end, RoundToSecond(moment)) << town.name;
        previous = day.number;
    }
    EXPECT_EQ(counter.boundaries().front(), RoundToSecond(opening)) << town.name;
    EXPECT_EQ(counter.boundaries().back(), RoundToSecond(closing)) << town.name;

    ASSERT_TRUE(counter.MoonList(LocalToUniversal(AddDays(closing, -1.0 / 1440), offset)));
    EXPECT_EQ(counter.lunarDay().number, static_cast<short>(counter.boundaries().size() - 1)) << town.name;
    EXPECT_GE(counter.lunarDay().number, previous) << town.name;
    EXPECT_GE(counter.lunarDay().number, 28) << town.name;

    ASSERT_TRUE(counter.MoonList(LocalToUniversal(AddDays(closing, 1.0 / 86400), offset)));
    EXPECT_EQ(counter.lunarDay().number, 1) << town.name;
}

INSTANTIATE_TEST_SUITE_P(Towns, LunarDaysAtTowns,
                         ::testing::Values(Town {"Moscow", kMoscow, 180}, Town {"Sydney", kSydney, 600},
                                           Town {"New York", {40.7128, -74.006}, -300},
                                           Town {"Auckland", {-36.8485, 174.7633}, 780},
                                           Town {"Honolulu", {21.3069, -157.8583}, -600}),
                         [](const ::testing::TestParamInfo<Town> &info) {
                             std::string name = info.param.name;
                             std::erase(name, ' ');
                             return name;
                         });

}

namespace {

TEST(LunarDayLimits, LunationsBeyondTheCalendarRangeAreRefused)
{
    const FixedUtcOffset utc(0);
    LunarDayCounter counter(kMoscow, utc);
    EXPECT_THROW(counter.MoonList(MakeDateTime(100, 1, 20)), std::domain_error);
    EXPECT_THROW(counter.MoonList(MakeDateTime(9999, 12, 15)), std::domain_error);
    EXPECT_TRUE(counter.MoonList(MakeDateTime(100, 2, 20)));
    EXPECT_TRUE(counter.MoonList(MakeDateTime(9999, 11, 20)));
    EXPECT_GT(counter.lunarDay().number, 0);
}

}
