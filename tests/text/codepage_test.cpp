#include "text/codepage.h"

#include <gtest/gtest.h>

using namespace somnar;

TEST(CodePage, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const char16_t ch = cp1251ToUnicode(static_cast<unsigned char>(b));
        const auto back = unicodeToCp1251(ch);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(CodePage, KnownLetters)
{
    const struct {
        unsigned char byte;
        char16_t ch;
    } cases[] = {
        {0xC0, u'А'}, {0xFF, u'я'}, {0xA8, u'Ё'}, {0xB8, u'ё'}, {0x96, u'–'}, {0xA7, u'§'},
        {0x98, 0x0098}, {0x41, u'A'}, {0x00, 0x0000},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cp1251ToUnicode(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(unicodeToCp1251(c.ch), c.byte) << int(c.byte);
    }
}

TEST(CodePage, TextWithoutAByteIsRefused)
{
    qsizetype bad = -1;
    EXPECT_FALSE(encodeCp1251(u"сон € ☾", &bad).has_value());
    EXPECT_EQ(bad, 6);
    EXPECT_EQ(decodeCp1251(*encodeCp1251(u"Кошка – к ссоре")), QStringLiteral("Кошка – к ссоре"));
}
