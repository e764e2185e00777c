// somnar-corpus DIR [BOOKS] [ARTICLES] [--shared PERCENT] [--plain]: writes a benchmark corpus of
// generated books; PERCENT of each book's headwords are in every book (100 by default).

#include "corpus.h"

#include "dictionary/bookfile/bookdatabase.h"

#include <cstdio>

int main(int argc, char **argv)
{
    somnar::CorpusOptions options;
    QStringList positional;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--plain"))
            options.plainCopies = true;
        else if (arg == QStringLiteral("--shared") && i + 1 < argc)
            options.sharedPercent = QString::fromLocal8Bit(argv[++i]).toInt();
        else
            positional << arg;
    }
    const QString dir = positional.value(0);
    if (positional.size() > 1)
        options.books = positional[1].toInt();
    if (positional.size() > 2)
        options.articles = positional[2].toInt();
    if (dir.isEmpty() || options.books <= 0 || options.articles < 0 || options.sharedPercent < 0
        || options.sharedPercent > 100) {
        std::fprintf(stderr, "Usage: somnar-corpus DIR [BOOKS=20] [ARTICLES=10000] [--shared PERCENT] [--plain]\n");
        return 2;
    }
    try {
        const QStringList books = somnar::generateCorpus(dir, options);
        std::printf("%lld books of %d articles in %s\n", static_cast<long long>(books.size()), options.articles,
                    qPrintable(dir));
    } catch (const somnar::BookError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
