#pragma once

#include "article/articleassembly.h"
#include "text/codepage.h"
#include "text/packedtext.h"
#include "support/qtapplication.h"

#include <QApplication>
#include <QMap>

#include <ostream>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace somnar::test {

inline QByteArray Packed(const QString &text)
{
    return Pack(*encodeCp1251(text));
}

// A book holding word -> {text, links} (links "" for Null), looked up without regard to case.
inline ArticleBook FakeBook(const QString &title, const QString &color,
                            const QMap<QString, QPair<QString, QString>> &articles, bool on = true)
{
    QMap<QString, ArticleEntry> stored;
    for (auto it = articles.begin(); it != articles.end(); ++it) {
        ArticleEntry entry{Packed(it.value().first), std::nullopt};
        if (!it.value().second.isEmpty())
            entry.links = Packed(it.value().second);
        stored.insert(it.key().toLower(), entry);
    }
    return {on, title, color, [stored](const QString &word) -> std::optional<ArticleEntry> {
                const auto it = stored.find(word.toLower());
                return it == stored.end() ? std::nullopt : std::optional<ArticleEntry>(*it);
            }};
}

}

namespace somnar::test {

// Two books with links between their words, as the window tests and screenshots use them.
inline ArticleBooks TwoBooks()
{
    return {
        FakeBook(u"Народный сонник"_qs, u"1711254"_qs,
                 {{u"Кот"_qs, {u"Чёрный кот – к ссоре с близкими.\r\nБелый кот – к нежданной радости.\r\n"
                               u"Гладить кота – к доброму знакомству."_qs,
                               u"Сон; Ночь."_qs}},
                  {u"Сон"_qs, {u"Видеть во сне сон – к долгой дороге."_qs, u"Кот; Луна."_qs}},
                  {u"Ночь"_qs, {u"Тёмная ночь – к тревоге, лунная – к покою."_qs, u"Луна."_qs}},
                  {u"Луна"_qs, {u"Полная луна – к исполнению желаний."_qs, u""_qs}}}),
        FakeBook(u"Психологический сонник"_qs, u"8421376"_qs,
                 {{u"Кот"_qs, {u"Кот во сне – знак независимости и скрытых желаний."_qs, u"Ночь; Луна."_qs}}}),
    };
}

}
