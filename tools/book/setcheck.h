#pragma once

#include "booksource.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

namespace somnar {

// What only the whole set of shipped books shows: cross-references to words no book has,
// sentences written in two places, and the word list's words missing from the books; also
// each article's number of readings (lines), which must be 2 to 6.

struct NamedSource {
    QString path;
    BookSource source;
};

// One line of the word list: "theme<TAB>Headword<TAB>common", common being 1 or 0.
struct ListedWord {
    int line = 0;
    QString theme;
    QString word;
    bool common = false;
};

// Reads the word list ('#' comments and blank lines skipped). Throws SourceError.
std::vector<ListedWord> readWordList(const QString &path);

// The keys under which a reading's sentences must be unique in the set: every sentence, and
// every part of at least three words between en dashes. Case, ё/е, spaces and punctuation are
// ignored; a sentence ends at . ! ? … followed by the end or by a word not in lower case.
QStringList sentenceKeys(const QString &reading);

// Prints each problem as "FILE:LINE: message" and a summary; returns the number of problems.
int checkBookSet(const std::vector<NamedSource> &books, const QString &wordListPath,
                 const std::vector<ListedWord> &words, QTextStream &out);

}
