#include "text/codepage.h"
#include "location/townlist.h"
#include "location/towntexts.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace somnar;

namespace {
const QByteArray kHeader("Город,Долгота,Мин,Широта,Мин,Юг,Запад\r\n");

QByteArray Cp1251(const QByteArray &utf8)
{
    return *encodeCp1251(QString::fromUtf8(utf8));
}
}

TEST(TownList, ReadsRecordsAndSkipsDamagedLines)
{
    struct Case {
        const char *name;
        QByteArray file;
        std::vector<TownRecord> towns;
    } const cases[] = {
        {"empty file", "", {}},
        {"blank lines only", kHeader + "\r\n\n", {}},
        {"header only", kHeader, {}},
        {"plain record", kHeader + "Москва,37,35,55,45,0,0\r\n", {{"Москва", 37, 35, 55, 45, 0, 0}}},
        {"no final line break, spaces before items", kHeader + "Москва, 37, 35, 55, 45, 0, 0", {{"Москва", 37, 35, 55, 45, 0, 0}}},
        {"quoted comma", kHeader + "\"Сан-Паулу, Бразилия\",46,38,23,32,1,1\n",
         {{"Сан-Паулу, Бразилия", 46, 38, 23, 32, 1, 1}}},
        {"doubled quote", kHeader + "\"Посёлок \"\"Заря\"\"\",30,0,60,0,0,0\n", {{"Посёлок \"Заря\"", 30, 0, 60, 0, 0, 0}}},
        {"hemisphere items other than 1 mean north and east", kHeader + "Икс,1,2,3,4,7,-1\n", {{"Икс", 1, 2, 3, 4, 7, -1}}},
        {"short line", kHeader + "Москва,37,35,55,45,0\n", {}},
        {"long line", kHeader + "Москва,37,35,55,45,0,0,9\n", {}},
        {"non-numeric item", kHeader + "Москва,37,3x,55,45,0,0\n", {}},
        {"empty item", kHeader + "Москва,37,,55,45,0,0\n", {}},
        {"longitude over 180", kHeader + "Икс,181,0,55,45,0,0\n", {}},
        {"latitude over 90", kHeader + "Икс,37,0,91,45,0,0\n", {}},
        {"minutes over 59", kHeader + "Икс,37,60,55,45,0,0\n", {}},
        {"negative degrees", kHeader + "Икс,-37,0,55,45,0,0\n", {}},
        {"beyond 16 bits", kHeader + "Икс,37,0,55,45,0,70000\n", {}},
        {"limits", kHeader + "Юг,180,59,90,59,1,1\n", {{"Юг", 180, 59, 90, 59, 1, 1}}},
        {"damaged line among good ones", kHeader + "А,1,1,1,1,0,0\nмусор\nБ,2,2,2,2,0,0\n",
         {{"А", 1, 1, 1, 1, 0, 0}, {"Б", 2, 2, 2, 2, 0, 0}}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ReadTownList(Cp1251(c.file)), c.towns) << c.name;
    }
}

TEST(TownList, ReadsWindows1251AndUtf8)
{
    const std::vector<TownRecord> moscow{{"Москва", 37, 35, 55, 45, 0, 0}};
    const QByteArray utf8 = kHeader + "Москва,37,35,55,45,0,0\n";
    EXPECT_EQ(ReadTownList(Cp1251(utf8)), moscow) << "Windows-1251";
    EXPECT_EQ(ReadTownList(utf8), moscow) << "UTF-8 without a byte-order mark";
    EXPECT_EQ(ReadTownList("\xEF\xBB\xBF" + utf8), moscow) << "UTF-8 with a byte-order mark";
    EXPECT_EQ(ReadTownList(QByteArray("\xEF\xBB\xBF") + "City\nAbc,1,2,3,4,0,0\n").front().name, "Abc");
}

TEST(TownList, MissingFileGivesAnEmptyList)
{
    EXPECT_TRUE(LoadTownList(QStringLiteral("/nonexistent/City.csv")).empty());
}

TEST(TownList, ShippedListHasTheTownsWeCheckedByHand)
{
    const auto towns = LoadTownList(qEnvironmentVariable("SOMNAR_BIN_DIR") + QStringLiteral("/City.csv"));
    ASSERT_GE(towns.size(), 1000u);
    const auto find = [&](const QString &name) {
        const auto it = std::find_if(towns.begin(), towns.end(), [&](const TownRecord &t) { return t.name == name; });
        return it == towns.end() ? TownRecord{} : *it;
    };
    // GeoNames' points, to the nearest minute.
    EXPECT_EQ(find("Москва"), (TownRecord{"Москва", 37, 37, 55, 45, 0, 0}));
    EXPECT_EQ(find("Владивосток"), (TownRecord{"Владивосток", 131, 52, 43, 6, 0, 0}));
    EXPECT_EQ(find("Буэнос-Айрес"), (TownRecord{"Буэнос-Айрес", 58, 23, 34, 37, 1, 1}));
    EXPECT_EQ(find("Нью-Йорк").name, "Нью-Йорк");
    EXPECT_EQ(find("Санкт-Петербург").name, "Санкт-Петербург");
    EXPECT_EQ(find("Троицк (Московская обл.)").name, "Троицк (Московская обл.)");
}

TEST(TownTexts, ColumnsAndTheirReadingBack)
{
    const TownRecord moscow{"Москва", 37, 35, 55, 45, 0, 0};
    const TownRecord buenosAires{"Буэнос-Айрес", 58, 22, 34, 36, 1, 1};
    EXPECT_EQ(LatitudeText(moscow), "55° 45' с.ш.");
    EXPECT_EQ(LongitudeText(moscow), "37° 35' в.д");
    EXPECT_EQ(LatitudeText(buenosAires), "34° 36' ю.ш.");
    EXPECT_EQ(LongitudeText(buenosAires), "58° 22' з.д.");

    struct Case {
        const char *text;
        int degrees, minutes, hemisphere;
    } const cases[] = {
        {"55° 45' с.ш.", 55, 45, 0},
        {"37° 35' в.д", 37, 35, 0},
        {"34° 36' ю.ш.", 34, 36, 1},
        {"58° 22' з.д.", 58, 22, 1},
        {"0° 0' с.ш.", 0, 0, 0},
        {"180°59' з.д.", 180, 59, 1},
        {"", 0, 0, 0},
        {"abc", 0, 0, 0},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(GeoH(text), c.degrees) << c.text;
        EXPECT_EQ(GeoM(text), c.minutes) << c.text;
        EXPECT_EQ(GeoP(text), c.hemisphere) << c.text;
    }
}

TEST(TownTexts, QuickSearch)
{
    const QStringList names{"Апатиты", "Мосальск", "Москва", "Мурманск"};
    struct Case {
        const char *typed;
        int current, found;
    } const cases[] = {
        {"мос", -1, 1},       // any letter case, the first match
        {"Моск", 1, 2},
        {"МОСКВА", -1, 2},
        {"Омск", 2, 2},       // no match keeps the selection
        {"   ", 3, 3},        // spaces only do nothing
        {"", 0, 0},
        {" Мос", -1, -1},     // taken as typed
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindTown(names, QString::fromUtf8(c.typed), c.current), c.found) << c.typed;
}
