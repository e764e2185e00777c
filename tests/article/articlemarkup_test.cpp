#include "article/articlemarkup.h"

#include "articletestsupport.h"

#include <QPalette>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

struct Expected {
    int start;
    int length;
    std::optional<QColor> color;
    bool hidden;
    std::optional<QString> family;
    std::optional<qreal> size;
};

}

TEST(FormatArticle, RangesOfASmallArticle)
{
    EnsureApplication();
    // Positions:   0 space, 1..3 "Кот", 4..5 CRLF ...
    const QString text = u" Кот\r\n\r\n& Мой сонник:§\r\nЧёрный кот – к ссоре.\r\n\r\nF^<сон>, <ночь>"_qs;
    const std::vector<HeaderStyle> headers{{u"сонник"_qs, u"255"_qs}, {u"Другой"_qs, u"0"_qs},
                                           {u"Мой сонник"_qs, u"16711680"_qs}};
    const auto ranges = ArticleFormats(text, u"Кот"_qs, headers);

    const int amp = int(text.indexOf(u'&'));
    const int para = int(text.indexOf(u'§'));
    const int dash = int(text.indexOf(u'–'));
    const int lineStart = int(text.indexOf(u"Чёрный"_qs)) - 1;  // the LF before the line
    const int hand = int(text.indexOf(u'F'));
    const int lt1 = int(text.indexOf(u'<'));
    const int gt1 = int(text.indexOf(u'>'));
    const int lt2 = int(text.lastIndexOf(u'<'));
    const int gt2 = int(text.lastIndexOf(u'>'));
    const QColor blueHeader(0, 0, 255);  // 16711680 = 0xFF0000 as 0x00BBGGRR
    const std::vector<Expected> expected{
        {1, 3, QColor(0, 0, 128), false, {}, 12},
        {amp, para - amp + 1, blueHeader, false, {}, {}},
        {amp, 1, {}, false, kPictogramFamily, 14},
        {para, 1, {}, true, {}, {}},
        {lineStart, dash - lineStart, QColor(0, 0, 255), false, {}, {}},
        {hand, 2, QColor(0, 128, 128), false, {}, {}},
        {hand, 1, {}, false, kPictogramFamily, 22},
        {hand + 1, 1, {}, true, {}, {}},
        {lt1, 1, {}, true, {}, {}},
        {lt1 + 1, gt1 - lt1, QColor(0, 128, 0), false, {}, {}},
        {gt1, 1, {}, true, {}, {}},
        {lt2, 1, {}, true, {}, {}},
        {lt2 + 1, gt2 - lt2, QColor(0, 128, 0), false, {}, {}},
        {gt2, 1, {}, true, {}, {}},
    };
    ASSERT_EQ(ranges.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const FormatRange &r = ranges[i];
        const Expected &e = expected[i];
        EXPECT_EQ(r.start, e.start) << i;
        EXPECT_EQ(r.length, e.length) << i;
        EXPECT_EQ(r.format.color, e.color) << i;
        EXPECT_EQ(r.format.hidden, e.hidden) << i;
        EXPECT_EQ(r.format.fontFamily, e.family) << i;
        EXPECT_EQ(r.format.pointSize, e.size) << i;
    }
    EXPECT_EQ(ranges[1].format.bold, true);
    EXPECT_EQ(ranges[1].format.italic, true);
    EXPECT_EQ(ranges[2].format.bold, false);
    EXPECT_EQ(ranges[2].format.italic, false);
    EXPECT_EQ(ranges[9].format.underline, true);
}

TEST(FormatArticle, DashesColourFromTheLineStart)
{
    const QString text = u" а\r\nКошка – к ссоре – дома"_qs;
    const auto ranges = FormatArticle(text, {});
    ASSERT_EQ(ranges.size(), 2u);
    // From the LF of the line break up to the character before each dash.
    EXPECT_EQ(ranges[0].start, 3);
    EXPECT_EQ(text.mid(ranges[0].start, ranges[0].length), u"\nКошка "_qs);
    EXPECT_EQ(text.mid(ranges[1].start, ranges[1].length), u"\nКошка – к ссоре "_qs);
    EXPECT_EQ(ranges[1].format.color, QColor(0, 0, 255));
}

TEST(FormatArticle, HeaderColourKeepsThePreviousOneWithoutAMatch)
{
    EnsureApplication();
    const QString text = u" а\r\n\r\n& Первая:§\r\nт\r\n\r\n& Неизвестная:§\r\nт"_qs;
    const auto ranges = FormatArticle(text, {{u"Первая"_qs, u"32768"_qs}});
    ASSERT_EQ(ranges.size(), 6u);
    EXPECT_EQ(ranges[0].format.color, QColor(0, 128, 0));
    EXPECT_EQ(ranges[3].format.color, QColor(0, 128, 0));
    // The first header of an article starts from black.
    EXPECT_EQ(FormatArticle(u" а\r\n\r\n& Чужая:§"_qs, {})[0].format.color, QColor(Qt::black));
}

TEST(FormatArticle, StrayAngleBracketsAreText)
{
    EXPECT_TRUE(FormatArticle(u" а\r\nесли a > b, то"_qs, {}).empty());
    EXPECT_TRUE(FormatArticle(u" а\r\n<незакрытая"_qs, {}).empty());
    // After a link, a second ">" does not reopen it.
    EXPECT_EQ(FormatArticle(u" <а> b > c"_qs, {}).size(), 3u);
}

TEST(ColorFromStored, StoredForms)
{
    EnsureApplication();
    EXPECT_EQ(ColorFromStored(u"0"_qs), QColor(0, 0, 0));
    EXPECT_EQ(ColorFromStored(u"1711254"_qs), QColor(0x96, 0x1C, 0x1A));
    EXPECT_EQ(ColorFromStored(u"&H808000"_qs), QColor(0, 128, 128));
    EXPECT_EQ(ColorFromStored(u"кракозябра"_qs), QColor(0, 0, 0));
    EXPECT_EQ(ColorFromStored(u"-2147483643"_qs), QApplication::palette().color(QPalette::Base));
}
