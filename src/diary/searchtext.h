#pragma once

#include "diary/russianstemmer.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace somnar::diary {

// What the full-text index holds of an entry: its words folded (for phrases) and their stems
// (for words in any form). SQLite's tokenizer folds case but reads ё apart from е, so the
// folding is ours.
struct SearchText {
    QString words;
    QString stems;
};

SearchText MakeSearchText(const QString &title, const QString &text, const QString &tags,
                          const RussianStemmer &stemmer);
// Puts an entry's search text into the index in place of any it had; false with the reason
// in *error.
bool WriteSearchText(QSqlDatabase &db, qint64 id, const SearchText &text, QSqlError *error);
// Takes an entry out of the index.
bool EraseSearchText(QSqlDatabase &db, qint64 id, QSqlError *error);

// FTS5 queries for what the user typed: every word must occur in some form (a query of the
// stems), a part in double quotes as a phrase (a query of the words). Every word goes in as a
// quoted string, so no character the user types reaches the query syntax. A query is empty
// when the input holds nothing for it.
struct SearchQuery {
    QString stems;
    QString words;

    bool isEmpty() const { return stems.isEmpty() && words.isEmpty(); }
};

SearchQuery MakeSearchQuery(const QString &userText, const RussianStemmer &stemmer);

}
