// bench_books [--books N] [--articles M] [--rounds R] [--dir DIR]
//
// Opens N books of M articles each and walks every word, as the main window does at start-up,
// and runs mdbtools' mdb-export over the Book table of the same books as the baseline. The
// corpus is written by somnar-corpus in a child process, so that the peak memory reported is
// the reader's own.

#include "dictionary/bookfile/bookdatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace somnar;

namespace {

struct Options {
    int books = 20;
    int articles = 10000;
    int rounds = 5;
    QString dir;
};

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray key(argv[i]);
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (key == "--books")
            o.books = value.toInt();
        else if (key == "--articles")
            o.articles = value.toInt();
        else if (key == "--rounds")
            o.rounds = std::max(1, value.toInt());
        else if (key == "--dir")
            o.dir = value;
    }
    return o;
}

QString bookPath(const QString &dir, int b) { return QDir(dir).filePath(QStringLiteral("book%1.book").arg(b, 2, 10, QLatin1Char('0'))); }
QString plainPath(const QString &dir, int b) { return QDir(dir).filePath(QStringLiteral("plain/book%1.mdb").arg(b, 2, 10, QLatin1Char('0'))); }

bool ensureCorpus(const Options &o)
{
    bool present = true;
    for (int b = 1; b <= o.books; ++b)
        present = present && QFile::exists(bookPath(o.dir, b)) && QFile::exists(plainPath(o.dir, b));
    if (present)
        return true;
    std::printf("writing the corpus into %s ...\n", qPrintable(o.dir));
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    const int rc = QProcess::execute(QStringLiteral(SOMNAR_CORPUS_TOOL),
                                     {o.dir, QString::number(o.books), QString::number(o.articles), QStringLiteral("--plain")});
    std::printf("corpus written in %.0f ms\n", double(timer.elapsed()));
    return rc == 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// All books open at once, every word touched: what the catalogue and the word index need.
double openAndWalk(const Options &o, qsizetype &words)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<BookDatabase> books;
    words = 0;
    qsizetype characters = 0;
    for (int b = 1; b <= o.books; ++b) {
        books.push_back(BookDatabase::open(bookPath(o.dir, b)));
        const BookDatabase &book = books.back();
        for (qsizetype i = 0; i < book.recordCount(); ++i)
            characters += book.record(i).list.size();
        words += book.recordCount();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (characters == 0 && words > 0)
        std::printf("no words read\n");
    return ms;
}

double exportAll(const Options &o)
{
    QElapsedTimer timer;
    timer.start();
    for (int b = 1; b <= o.books; ++b) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("mdb-export"), {plainPath(o.dir, b), QStringLiteral("Book")});
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            std::fprintf(stderr, "mdb-export failed on %s\n", qPrintable(plainPath(o.dir, b)));
            return -1;
        }
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

}

int main(int argc, char **argv)
{
    Options o = parse(argc, argv);
    QTemporaryDir temporary;
    if (o.dir.isEmpty())
        o.dir = temporary.path();
    if (!ensureCorpus(o))
        return 1;

    std::vector<double> ours;
    std::vector<double> baseline;
    qsizetype words = 0;
    try {
        for (int r = 0; r < o.rounds; ++r)
            ours.push_back(openAndWalk(o, words));
    } catch (const BookError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    for (int r = 0; r < o.rounds; ++r)
        baseline.push_back(exportAll(o));

    std::printf("books: %d x %d articles, %lld words walked per round, %d rounds\n", o.books, o.articles,
                static_cast<long long>(words), o.rounds);
    std::printf("open and walk (ours): best %.1f ms, median %.1f ms\n", *std::min_element(ours.begin(), ours.end()), median(ours));
    std::printf("mdb-export of Book:   best %.1f ms, median %.1f ms\n", *std::min_element(baseline.begin(), baseline.end()),
                median(baseline));
    std::printf("ratio ours / mdb-export (medians): %.2f\n", median(ours) / median(baseline));
    std::printf("peak memory of the reader (max RSS): %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
