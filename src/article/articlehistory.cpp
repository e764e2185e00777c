#include "article/articlehistory.h"

namespace somnar {

void ArticleHistory::dropLast()
{
    if (!m_entries.isEmpty())
        m_entries.removeLast();
}

QStringList ArticleHistory::dropDownEntries() const
{
    QStringList menu;
    for (const QString &word : m_entries) {
        if (!menu.contains(word))
            menu.append(word);
    }
    return menu;
}

std::optional<QString> ArticleHistory::takeBack(const QString &shownWord)
{
    if (m_entries.isEmpty())
        return std::nullopt;
    if (shownWord.isEmpty() && m_entries.last().isEmpty()) {
        m_entries.removeLast();
        if (m_entries.isEmpty())
            return std::nullopt;
    }
    const QString last = m_entries.takeLast();
    return last;
}

std::optional<QString> ArticleHistory::takeHome()
{
    if (m_entries.isEmpty())
        return std::nullopt;
    const QString first = m_entries.first();
    m_entries.clear();
    return first;
}

}
