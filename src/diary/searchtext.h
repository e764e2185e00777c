#pragma once

#include "diary/russianstemmer.h"

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

// An FTS5 query for what the user typed: every word must occur in some form, a part in double
// quotes as a phrase. Every word goes in as a quoted string, so no character the user types
// reaches the query syntax. Empty when the input holds no word.
QString MakeSearchQuery(const QString &userText, const RussianStemmer &stemmer);

}
