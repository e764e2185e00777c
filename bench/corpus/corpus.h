#pragma once

#include <QString>
#include <QStringList>

namespace somnar {

struct CorpusOptions {
    int books = 20;
    int articles = 10000;
    int sharedPercent = 100;    // share of each book's headwords that every book has; the rest are its own
    bool plainCopies = false;   // also plain/NAME.mdb with the Jet 4 start, for mdbtools
};

// Writes books book01.book ... into dir, each of generated articles of realistic size; returns
// the paths of the books. Throws BookError.
QStringList generateCorpus(const QString &dir, const CorpusOptions &options);

}
