#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace somnar {

// The packed fields of one book's record for a word.
struct ArticleEntry {
    QByteArray text;
    std::optional<QByteArray> links;
};

// One book of the catalogue as the article sees it, in catalogue order.
struct ArticleBook {
    bool switchedOn = true;
    QString tolkName;  // header title
    QString color;     // header colour: decimal 0x00BBGGRR, "0" when the book has none
    // The book's record for a word (compared without regard to case), or nullopt.
    std::function<std::optional<ArticleEntry>(const QString &word)> lookup;
};

using ArticleBooks = std::vector<ArticleBook>;

inline const QString kCrLf = QStringLiteral("\r\n");

// The article text for a word: " " + word, then for every switched-on book that has the word
// its header and text, then the see-also line. Empty when no switched-on book has the word.
// The trailing line break is not part of it: it is added after formatting.
QString AssembleArticle(const QString &word, const ArticleBooks &books);

// Adds the link words of one book's decoded Links to linkList (which starts as "<" and grows
// by "word>, <" per word). A word already in linkList is skipped; repeats inside one list stay.
void CollectLinkWords(const QString &links, QString &linkList);

}
