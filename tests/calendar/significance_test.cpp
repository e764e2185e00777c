#include "calendar/significance.h"

#include <gtest/gtest.h>

using namespace somnar::calendar;

namespace {

TEST(Significance, WeekdayNamesFromMonday)
{
    EXPECT_EQ(WeekDayStr(1), QStringLiteral("Понедельник"));
    EXPECT_EQ(WeekDayStr(7), QStringLiteral("Воскресенье"));
    EXPECT_EQ(DreamByWeekDay(3), QStringLiteral("Вещий сон."));
    EXPECT_EQ(DreamByWeekDay(5), DreamByWeekDay(3));
    EXPECT_EQ(DreamByWeekDay(7), QStringLiteral("Сны сбываются до обеда. Или сбываются, если не рассказывать."));
}

TEST(Significance, DaysOfTheMonth)
{
    EXPECT_EQ(DreamByDay(1), QStringLiteral("Сны ведут к семейным неприятностям."));
    EXPECT_EQ(DreamByDay(17), DreamByDay(19));
    EXPECT_EQ(DreamByDay(17), QStringLiteral("Сны, сбывающиеся нескоро."));
    EXPECT_EQ(DreamByDay(24), QStringLiteral("Сны сбываются в течение 11  дней, предвосхищают радостные события."));
    EXPECT_EQ(DreamByDay(31), QStringLiteral("Сны рассказывают о прибылях и приобретениях."));
}

TEST(Significance, LunarDaysKeepTheirLeadingSpaces)
{
    EXPECT_EQ(DreamByMoon(1), QStringLiteral("Сон в этот день исполняется в точности и предзнаменует доброе."));
    EXPECT_EQ(DreamByMoon(6), QStringLiteral(" Сны сбываются. Держите в тайне увиденное для своего блага."));
    EXPECT_EQ(DreamByMoon(11), QStringLiteral(" Сны сбываются. Возможно прямое трактование."));
    EXPECT_EQ(DreamByMoon(30), QStringLiteral(" Сбываются только хорошо запомнившиеся сны."));
    EXPECT_EQ(DreamByMoon(31), QStringLiteral("Сны о любовных победах и наслаждениях."));
    EXPECT_EQ(DreamByMoon(31), DreamByDay(13));
    EXPECT_EQ(DreamByMoon(21), DreamByDay(11));
    EXPECT_EQ(DreamByMoon(2), DreamByMoon(9));
    EXPECT_EQ(DreamByMoon(26), DreamByMoon(9));
}

TEST(Significance, EveryRowInRangeHasATextAndNothingOutside)
{
    struct Table {
        QString (*lookup)(short);
        short last;
    };
    const Table tables[] = {{WeekDayStr, 7}, {DreamByWeekDay, 7}, {DreamByDay, 31}, {DreamByMoon, 31}};
    for (const Table &table : tables) {
        for (short i = 1; i <= table.last; ++i)
            EXPECT_FALSE(table.lookup(i).isEmpty()) << i;
        for (short outside : {short(0), short(table.last + 1), short(-1), short(-32768), short(32767)})
            EXPECT_TRUE(table.lookup(outside).isEmpty()) << outside;
    }
}

}
