#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace somnar {

// The words left by following links, oldest first, with no depth limit. Nothing of it is saved.
class ArticleHistory {
public:
    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    void push(const QString &word) { m_entries.append(word); }
    void clear() { m_entries.clear(); }
    void dropLast();

    // The Back drop-down: every word once, oldest first.
    QStringList dropDownEntries() const;

    // What Back shows, given the word shown now: the last entry, skipping one empty entry
    // left with nothing shown. Removes what it returns (or what it skipped).
    // nullopt when nothing is left to go back to.
    std::optional<QString> takeBack(const QString &shownWord);

    // What Home shows: the word where the chain started; the history is emptied.
    std::optional<QString> takeHome();

private:
    QStringList m_entries;
};

}
