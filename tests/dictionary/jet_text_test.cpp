// Jet 4 text: UCS-2 and the compressed form, both ways.

#include "dictionary/bookfile/jettext.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace somnar;

namespace {

struct TextCase {
    std::u16string_view text;
    bool compressed;   // expected form when compression is allowed
};

TEST(JetText, RoundTripInBothForms)
{
    const TextCase cases[] = {
        {u"", false},
        {u"Latin only", true},
        {u"Кириллица", false},                       // compression would not be shorter
        {u"Сон – к радости, dream 2024", true},
        {u"abc\u0098\u00A0def", true},
        {u"Ā zero low byte", false},                 // U+0100 cannot be written compressed
        {std::u16string_view(u"with\0nul", 8), false},
        {u"ab Я cd Я ef", true},
    };
    for (const TextCase &c : cases) {
        const QString text = QString::fromUtf16(c.text.data(), qsizetype(c.text.size()));
        const QByteArray plain = encodeJetText(text, false);
        EXPECT_EQ(plain.size(), text.size() * 2);
        EXPECT_EQ(decodeJetText(plain), text);
        const QByteArray packed = encodeJetText(text, true);
        EXPECT_EQ(packed.startsWith("\xFF\xFE"), c.compressed) << text.toStdString();
        EXPECT_LE(packed.size(), plain.size());
        EXPECT_EQ(decodeJetText(packed), text) << text.toStdString();
    }
}

TEST(JetText, DecodesOddAndTruncatedInput)
{
    EXPECT_EQ(decodeJetText(QByteArray("A\0B", 3)), QStringLiteral("A"));
    EXPECT_EQ(decodeJetText(QByteArray("\xFF\xFE" "ab\0\x10", 6)), QStringLiteral("ab"));
    EXPECT_EQ(decodeJetText(QByteArray("\xFF\xFE", 2)), QString());
}

}
