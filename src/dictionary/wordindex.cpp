#include "dictionary/wordindex.h"

#include "dictionary/bookcatalogue.h"
#include "dictionary/bookfile/wordorder.h"

#include <algorithm>
#include <limits>

namespace somnar {

namespace {

struct IndexEntry {
    WordKey key;
    const QString *word;
};

}

void WordIndex::build(const BookCatalogue &catalogue, const std::function<void()> &betweenBooks)
{
    m_words.clear();
    m_articleTotal = 0;
    std::vector<IndexEntry> entries;
    qint64 total = 0;
    for (qsizetype k = 0; k < catalogue.count(); ++k) {
        if (betweenBooks)
            betweenBooks();
        const CatalogueBook &book = catalogue.book(k);
        const BookDatabase &database = book.database;
        if (!book.switchedOn || database.recordCount() == 0)
            continue;
        total += database.recordCount();
        entries.reserve(entries.size() + size_t(database.recordCount()));
        for (qsizetype i = 0; i < database.recordCount(); ++i) {
            const QString &word = database.record(i).list;
            entries.push_back({wordKey(word), &word});
        }
    }
    m_articleTotal = qint32(std::min<qint64>(total, std::numeric_limits<qint32>::max()));

    // Words that differ only in letter case are one item. The stable sort keeps catalogue
    // order among them, so the spelling of the first switched-on book that has the word wins.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const IndexEntry &a, const IndexEntry &b) { return a.key < b.key; });
    m_words.reserve(entries.size());
    const WordKey *previous = nullptr;
    for (const IndexEntry &entry : entries) {
        if (previous && previous->folded == entry.key.folded)
            continue;
        m_words.push_back(*entry.word);
        previous = &entry.key;
    }
}

qsizetype WordIndex::findPrefix(QStringView text) const
{
    if (text.isEmpty() || m_words.empty())
        return m_words.empty() ? -1 : 0;
    // Words are ordered by their primary key first, so all words that can begin with the
    // text form one run starting at the text's own primary key.
    const QString primary = wordKey(text).primary;
    auto it = std::lower_bound(m_words.begin(), m_words.end(), primary,
                               [](const QString &word, const QString &key) { return wordKey(word).primary < key; });
    for (; it != m_words.end(); ++it) {
        if (it->startsWith(text, Qt::CaseInsensitive))
            return qsizetype(it - m_words.begin());
        if (!wordKey(*it).primary.startsWith(primary))
            break;
    }
    return -1;
}

}
