#include "astro/datetime.h"

#include <gtest/gtest.h>

using namespace somnar::astro;

namespace {

TEST(DateTime, NegativeValuesCountDaysBackwardsWithForwardTime)
{
    EXPECT_DOUBLE_EQ(MakeDateTime(1899, 12, 29, 18), -1.75);
    EXPECT_DOUBLE_EQ(MakeDateTime(1899, 12, 28, 6), -2.25);
    EXPECT_DOUBLE_EQ(MakeDateTime(1899, 12, 30, 6), 0.25);
    EXPECT_DOUBLE_EQ(ToSerialDays(-1.75), -0.25);
    EXPECT_DOUBLE_EQ(FromSerialDays(-0.25), -1.75);
}

TEST(DateTime, ArithmeticAndOrderFollowTimeAcrossZero)
{
    EXPECT_DOUBLE_EQ(AddDays(MakeDateTime(1899, 12, 29, 6), 1), MakeDateTime(1899, 12, 30, 6));
    EXPECT_DOUBLE_EQ(AddMinutes(MakeDateTime(1899, 12, 30, 1), -180), MakeDateTime(1899, 12, 29, 22));
    EXPECT_LT(CompareDateTimes(MakeDateTime(1899, 12, 29, 6), MakeDateTime(1899, 12, 29, 18)), 0);
    EXPECT_GT(CompareDateTimes(MakeDateTime(1899, 12, 29, 6), MakeDateTime(1899, 12, 28, 18)), 0);
}

TEST(DateTime, CivilPartsAndWeekday)
{
    const CivilDateTime civil = ToCivil(MakeDateTime(2024, 2, 29, 23, 59, 59.6));
    EXPECT_EQ(civil.year, 2024);
    EXPECT_EQ(civil.month, 3);
    EXPECT_EQ(civil.day, 1);
    EXPECT_EQ(civil.hour, 0);
    EXPECT_EQ(civil.second, 0);
    EXPECT_EQ(WeekdayMondayFirst(MakeDateTime(2024, 3, 11, 23, 30)), 1);
    EXPECT_EQ(WeekdayMondayFirst(MakeDateTime(1899, 12, 30)), 6);
    EXPECT_EQ(WeekdayMondayFirst(MakeDateTime(1899, 12, 24, 12)), 7);
    EXPECT_EQ(ToCivil(MakeDateTime(100, 1, 1)).year, 100);
}

TEST(DateTime, ValidRangeIsYears100To9999)
{
    EXPECT_TRUE(IsValidDateTime(MakeDateTime(100, 1, 1)));
    EXPECT_TRUE(IsValidDateTime(MakeDateTime(9999, 12, 31, 23, 59, 59)));
    EXPECT_FALSE(IsValidDateTime(MakeDateTime(99, 12, 31)));
    EXPECT_FALSE(IsValidDateTime(MakeDateTime(10000, 1, 1)));
}

}
