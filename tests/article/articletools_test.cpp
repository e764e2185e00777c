#include "article/linkword.h"
#include "article/printoptions.h"
#include "article/textfind.h"
#include "article/tolkgeometry.h"

#include "articletestsupport.h"

#include <gtest/gtest.h>

using namespace somnar;

TEST(GetWord, LinkUnderThePoint)
{
    //                       0123456789012345678901
    const QString text = u"Кот F^<сон>, < ночь >"_qs;
    const struct {
        int position;
        QString word;
    } cases[] = {
        {7, u"сон"_qs},    // over "с": the walk starts at "<"
        {10, u"сон"_qs},   // over ">": still inside
        {11, u""_qs},      // over ",": the walk meets ">" first
        {6, u""_qs},       // over "<" itself: the walk starts before it
        {16, u"ночь"_qs},  // blanks inside the brackets are trimmed
        {0, u""_qs},
        {200, u""_qs},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetWord(text, c.position), c.word) << c.position;
    EXPECT_EQ(GetWord(u"нет ссылок > здесь"_qs, 5), QString());
    EXPECT_EQ(GetWord(u"a <незакрытая"_qs, 6), QString());
    EXPECT_EQ(LinkToolTip(u"сон"_qs), u"Перейти к «сон»"_qs);
}

TEST(FindNext, WrapsCaseAndMarkup)
{
    const QString text = u" Сон\r\n& Книга:§\r\nсон и СОН F^<сон>"_qs;
    const struct {
        QString needle;
        int selectionStart;
        int selectionLength;
        int expected;
    } cases[] = {
        {u"сон"_qs, 0, 0, 1},
        {u"сон"_qs, 1, 3, 17},
        {u"сон"_qs, 17, 3, 23},
        {u"сон"_qs, 30, 3, 1},  // after the last one: from the top
        {u"Сон"_qs, 2, 0, 17},  // case is ignored
        {u"<"_qs, 0, 0, 29},
        {u"§"_qs, 0, 0, 14},
        {u"луна"_qs, 5, 0, -1},
        {u""_qs, 0, 0, -1},
        {u"сон"_qs, 500, 0, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindNext(text, c.needle, c.selectionStart, c.selectionLength), c.expected)
            << c.needle.toStdString() << ' ' << c.selectionStart;
}

TEST(ParseCopies, KeptWithinOneAndNinetyNine)
{
    const struct {
        QString typed;
        int copies;
    } cases[] = {{u"1"_qs, 1}, {u"3"_qs, 3}, {u"99"_qs, 99}, {u"150"_qs, 99}, {u"100000000000"_qs, 99},
                 {u"0"_qs, 1}, {u"abc"_qs, 1}, {u""_qs, 1}, {u"-5"_qs, 1}, {u"12ab"_qs, 12}, {u" 7"_qs, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(ParseCopies(c.typed), c.copies) << c.typed.toStdString();
}

TEST(GetPrinterType, NetworkNamesSplitAtTheLastBackslash)
{
    const struct {
        QString name;
        QString port;
        QString type;
        QString place;
    } cases[] = {
        {u"HP LaserJet"_qs, u"USB001"_qs, u"HP LaserJet"_qs, u"USB001"_qs},
        {u"\\\\server\\Laser 5"_qs, u"ne01:"_qs, u"Laser 5"_qs, u"\\\\server\\"_qs},
        {u"\\\\srv\\queue\\ Office "_qs, u""_qs, u"Office"_qs, u"\\\\srv\\queue\\"_qs},
        {u"\\\\\\x"_qs, u"p"_qs, u"\\\\\\x"_qs, u"p"_qs},  // last "\" at position 3: not split
        {u"\\\\s\\"_qs, u"p"_qs, u""_qs, u"\\\\s\\"_qs},
        {u"\\single"_qs, u"LPT1:"_qs, u"\\single"_qs, u"LPT1:"_qs},
    };
    for (const auto &c : cases) {
        const PrinterType t = GetPrinterType(c.name, c.port);
        EXPECT_EQ(t.type, c.type) << c.name.toStdString();
        EXPECT_EQ(t.place, c.place) << c.name.toStdString();
    }
}

TEST(TolkGeometry, DefaultsAndCorrections)
{
    const QRect screen(0, 0, 1500, 1200);
    const struct {
        const char *name;
        SavedTolkGeometry saved;
        QRect expected;
    } cases[] = {
        {"nothing saved", {}, QRect(1, 100, 422, 266)},
        {"saved values", {{1500}, {3000}, {6000}, {9000}}, QRect(200, 100, 600, 400)},
        {"small width", {{1500}, {3000}, {6000}, {3000}}, QRect(200, 100, 266, 400)},
        {"top 0 centres vertically", {{0}, {3000}, {6000}, {9000}}, QRect(200, 400, 600, 400)},
        {"negative left centres", {{1500}, {-15}, {6000}, {9000}}, QRect(450, 100, 600, 400)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TolkGeometry(c.saved, 1500, screen), c.expected) << c.name;
}
