#pragma once

#include "diary/russianstemmer.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace somnar::diary {

// A word of a dream's text that a book explains.
struct WordLink {
    qsizetype position = 0;  // in the text, in UTF-16 code units as QString counts
    qsizetype length = 0;
    QString word;      // as written in the text
    QString headword;  // as the word list has it: the article to open

    bool operator==(const WordLink &) const = default;
};

// Finds the words of a text that are headwords of the switched-on books, in any of their forms:
// "видела кошку" links "кошку" to "Кошка". Built once per set of switched-on books.
class HeadwordLinker {
public:
    // Indexes the single-word headwords (WordIndex::words()). Function words never link; a
    // word whose stem several headwords share links to the one it is closest to in spelling,
    // or to none when two are equally close.
    void build(const std::vector<QString> &headwords);
    bool isEmpty() const { return m_byWord.isEmpty(); }

    // The linked words of text, in text order.
    QList<WordLink> links(const QString &text) const;

private:
    QString headwordFor(const QString &folded) const;

    RussianStemmer m_stemmer;
    QHash<QString, QStringList> m_byStem;  // stem -> folded headwords
    QHash<QString, QString> m_byWord;      // folded headword -> headword
};

}
