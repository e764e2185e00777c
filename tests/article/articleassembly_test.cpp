#include "article/articleassembly.h"

#include "articletestsupport.h"

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

TEST(AssembleArticle, BooksInCatalogueOrderSkippingSwitchedOffOnes)
{
    const ArticleBooks books{
        FakeBook(u"Народный"_qs, u"255"_qs, {{u"Сон"_qs, {u"Видеть сон – к переменам."_qs, u""_qs}}}),
        FakeBook(u"Выключенный"_qs, u"0"_qs, {{u"Сон"_qs, {u"не видно"_qs, u""_qs}}}, false),
        FakeBook(u"Без слова"_qs, u"0"_qs, {{u"Луна"_qs, {u"луна"_qs, u""_qs}}}),
        FakeBook(u"Психологический"_qs, u"32768"_qs, {{u"сон"_qs, {u"Отдых души."_qs, u""_qs}}}),
    };
    EXPECT_EQ(AssembleArticle(u"Сон"_qs, books),
              u" Сон\r\n\r\n& Народный:§\r\nВидеть сон – к переменам."
              u"\r\n\r\n& Психологический:§\r\nОтдых души."_qs);
    EXPECT_EQ(AssembleArticle(u"Ночь"_qs, books), QString());
}

TEST(AssembleArticle, SeeAlsoLineCollectsEachWordOnce)
{
    const struct {
        const char *name;
        QString firstLinks;
        QString secondLinks;
        QString seeAlso;
    } cases[] = {
        {"later book repeats a word", u"сон; ночь."_qs, u"ночь; луна."_qs, u"\r\n\r\nF^<сон>, <ночь>, <луна>"_qs},
        {"no closing dot", u"сон; ночь"_qs, u""_qs, u"\r\n\r\nF^<сон>"_qs},
        {"closing dot before blanks", u"луна; звёзды.  "_qs, u""_qs, u"\r\n\r\nF^<луна>, <звёзды>"_qs},
        {"inner dot stays in the word", u"т.е. сон; ночь."_qs, u""_qs, u"\r\n\r\nF^<т.е. сон>, <ночь>"_qs},
        {"repeats inside one list stay", u"сон; сон."_qs, u"сон."_qs, u"\r\n\r\nF^<сон>, <сон>"_qs},
        {"no links at all", u""_qs, u""_qs, u""_qs},
        {"only separators", u";;."_qs, u""_qs, u""_qs},
    };
    for (const auto &c : cases) {
        const ArticleBooks books{
            FakeBook(u"А"_qs, u"0"_qs, {{u"кот"_qs, {u"текст"_qs, c.firstLinks}}}),
            FakeBook(u"Б"_qs, u"0"_qs, {{u"кот"_qs, {u"текст"_qs, c.secondLinks}}}),
        };
        const QString article = AssembleArticle(u"кот"_qs, books);
        const QString body = u" кот\r\n\r\n& А:§\r\nтекст\r\n\r\n& Б:§\r\nтекст"_qs;
        EXPECT_EQ(article, body + c.seeAlso) << c.name;
    }
}

TEST(AssembleArticle, DamagedPackedTextStillGetsItsHeader)
{
    ArticleBook book{true, u"Книга"_qs, u"0"_qs, [](const QString &) {
                         return std::optional<ArticleEntry>(ArticleEntry{QByteArray("\x40\x42\x43"), QByteArray("zz")});
                     }};
    EXPECT_EQ(AssembleArticle(u"кот"_qs, {book}), u" кот\r\n\r\n& Книга:§\r\n"_qs);
}
