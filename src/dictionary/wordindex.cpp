#include "dictionary/wordindex.h"

#include "dictionary/bookcatalogue.h"
#include "dictionary/bookfile/wordorder.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace somnar {

const WordIndex::KeyedBook &WordIndex::keyedBook(const BookCatalogue &catalogue, qsizetype k)
{
    if (m_keyedCatalogue != &catalogue || qsizetype(m_keyedBooks.size()) != catalogue.count()) {
        m_keyedBooks.assign(size_t(catalogue.count()), {});
        m_keyedCatalogue = &catalogue;
    }
    KeyedBook &book = m_keyedBooks[size_t(k)];
    const BookDatabase &database = catalogue.book(k).database;
    if (book.empty() && database.recordCount() > 0) {
        book.reserve(size_t(database.recordCount()));
        for (qsizetype i = 0; i < database.recordCount(); ++i) {
            const QString &word = database.record(i).list;
            const WordKey key = wordKey(word);
            // Ordering these strings orders the words as (primary, folded) does.
            QString joined;
            joined.reserve(key.primary.size() + 1 + key.folded.size());
            joined.append(key.primary).append(QChar(0)).append(key.folded);
            book.push_back({std::move(joined), &word});
        }
        const auto byKey = [](const KeyedWord &a, const KeyedWord &b) { return a.key < b.key; };
        if (!std::is_sorted(book.begin(), book.end(), byKey))
            std::stable_sort(book.begin(), book.end(), byKey);
    }
    return book;
}

void WordIndex::build(const BookCatalogue &catalogue, const std::function<void()> &betweenBooks)
{
    m_words.clear();
    m_articleTotal = 0;
    std::vector<std::vector<const KeyedWord *>> runs;
    qint64 total = 0;
    for (qsizetype k = 0; k < catalogue.count(); ++k) {
        if (betweenBooks)
            betweenBooks();
        const CatalogueBook &book = catalogue.book(k);
        if (!book.switchedOn || book.database.recordCount() == 0)
            continue;
        total += book.database.recordCount();
        std::vector<const KeyedWord *> run;
        run.reserve(size_t(book.database.recordCount()));
        for (const KeyedWord &word : keyedBook(catalogue, k))
            run.push_back(&word);
        runs.push_back(std::move(run));
    }
    m_articleTotal = qint32(std::min<qint64>(total, std::numeric_limits<qint32>::max()));

    // Merge neighbouring runs pairwise. A merge takes from the earlier run first among equal
    // keys, so the books stay in catalogue order among the spellings of one word.
    const auto byKey = [](const KeyedWord *a, const KeyedWord *b) { return a->key < b->key; };
    while (runs.size() > 1) {
        std::vector<std::vector<const KeyedWord *>> merged;
        for (size_t i = 0; i + 1 < runs.size(); i += 2) {
            std::vector<const KeyedWord *> both;
            both.reserve(runs[i].size() + runs[i + 1].size());
            std::merge(runs[i].begin(), runs[i].end(), runs[i + 1].begin(), runs[i + 1].end(),
                       std::back_inserter(both), byKey);
            merged.push_back(std::move(both));
        }
        if (runs.size() % 2)
            merged.push_back(std::move(runs.back()));
        runs = std::move(merged);
    }
    if (runs.empty())
        return;

    // Words that differ only in letter case are one item, spelt as the first switched-on book
    // that has the word spells it.
    m_words.reserve(runs.front().size());
    const QString *previousKey = nullptr;
    for (const KeyedWord *word : runs.front()) {
        if (previousKey && *previousKey == word->key)
            continue;
        m_words.push_back(*word->word);
        previousKey = &word->key;
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
