#include "dictionary/lookupkeys.h"
#include "dictionary/statustext.h"

#include <gtest/gtest.h>

using namespace somnar;

TEST(StatusText, PluralFollowsTheLastDigit)
{
    const struct {
        int total;
        const char *form;
    } cases[] = {
        {0, "словарных статей"}, {1, "словарная статья"},  {2, "словарные статьи"},  {4, "словарные статьи"},
        {5, "словарных статей"}, {11, "словарная статья"}, {12, "словарные статьи"}, {21, "словарная статья"},
        {22, "словарные статьи"}, {25, "словарных статей"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ArticlePlural(c.total), QString::fromUtf8(c.form)) << c.total;
    EXPECT_EQ(StatusText(1234), QStringLiteral("1234 словарные статьи; ~6170 толкований"));
    EXPECT_EQ(StatusText(0), QStringLiteral("0 словарных статей; ~0 толкований"));
    EXPECT_EQ(StatusText(2147483647), QStringLiteral("2147483647 словарных статей; ~10737418235 толкований"))
        << "the estimate must not wrap around";
}

TEST(StatusText, IfLongShortensWithDots)
{
    const struct {
        const char *text;
        int length;
        const char *result;
    } cases[] = {
        {"Автомобиль", 10, "Автомобиль"}, {"Автомобиль", 20, "Автомобиль"}, {"Автомобиль", 9, "Автомоби..."},
        {"Автомобиль", 1, "..."},         {"Автомобиль", 0, ""},            {"Автомобиль", -3, ""},
        {"", 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IfLong(QString::fromUtf8(c.text), c.length), QString::fromUtf8(c.result)) << c.length;
    EXPECT_EQ(WhatLong(4100, 210, 2745), 13);
    EXPECT_EQ(WhatLong(2000, 210, 2745), -12);
}

TEST(LookupKeys, ScrollTargetAndArrows)
{
    const struct {
        int selected;
        int visible;
    } scrolls[] = {{1, 1}, {2, 2}, {3, 3}, {4, 5}, {5, 6}, {9, 10}, {10, 10}};
    for (const auto &s : scrolls)
        EXPECT_EQ(VisibleTarget(s.selected, 10), s.visible) << s.selected;

    EXPECT_EQ(ArrowTarget(SearchBoxKey::Down, 10, 10), 10);
    EXPECT_EQ(ArrowTarget(SearchBoxKey::Down, 3, 10), 4);
    EXPECT_EQ(ArrowTarget(SearchBoxKey::Up, 1, 10), 1);
    EXPECT_EQ(ArrowTarget(SearchBoxKey::Up, 3, 10), 2);
    EXPECT_EQ(ArrowTarget(SearchBoxKey::PageDown, 3, 10), 3);
    EXPECT_EQ(ArrowTarget(SearchBoxKey::PageUp, 3, 10), 3);

    EXPECT_FALSE(StartsNewSearch(U' '));
    EXPECT_FALSE(StartsNewSearch(U'!'));
    EXPECT_FALSE(StartsNewSearch(U'\r'));
    EXPECT_TRUE(StartsNewSearch(U'"'));
    EXPECT_TRUE(StartsNewSearch(U'ж'));
}
