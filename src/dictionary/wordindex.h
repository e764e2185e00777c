#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace somnar {

class BookCatalogue;

// The merged word list of the switched-on books: each word once, in word order.
class WordIndex {
public:
    // Rebuilds the index as a whole. betweenBooks runs before each book, so that the window
    // can keep its busy indicator moving during a long rebuild.
    void build(const BookCatalogue &catalogue, const std::function<void()> &betweenBooks = {});

    const std::vector<QString> &words() const { return m_words; }
    qsizetype size() const { return qsizetype(m_words.size()); }
    // The articles of the switched-on books: a word found in three books counts three times.
    qint32 articleTotal() const { return m_articleTotal; }

    // Position of the first word beginning with text, without regard to case; -1 when none.
    qsizetype findPrefix(QStringView text) const;

private:
    // A book's words with their sort keys, in word order: computed once per book, because the
    // books never change while the program runs and the index is rebuilt on every switch.
    struct KeyedWord {
        QString key;  // primary key, a zero character, then the case-folded word
        const QString *word;
    };
    using KeyedBook = std::vector<KeyedWord>;
    const KeyedBook &keyedBook(const BookCatalogue &catalogue, qsizetype k);

    std::vector<KeyedBook> m_keyedBooks;
    const BookCatalogue *m_keyedCatalogue = nullptr;
    std::vector<QString> m_words;
    qint32 m_articleTotal = 0;
};

}
