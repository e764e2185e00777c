// somnar-book: the book maker. Builds a book file from a readable source, prints a book back
// as source or JSON, checks a book file, and checks the sources of a whole set of books together.

#include "bookcheck.h"
#include "booksource.h"
#include "bookprinter.h"
#include "setcheck.h"
#include "dictionary/bookfile/bookwriter.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace somnar;

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << "Usage:\n"
             "  somnar-book build SOURCE.txt OUT.book   build a book from its readable source\n"
             "  somnar-book dump [--json] BOOK [--save-icon DIR]\n"
             "                                          print a book as source (or as JSON)\n"
             "  somnar-book check BOOK                  check a book file\n"
             "  somnar-book check-set [--words LIST.tsv] SOURCE.txt...\n"
             "                                          check the sources of a set of books together\n"
             "  somnar-book --version                   print the version\n";
    err().flush();
    return kUsage;
}

void reportSourceError(const QString &path, const SourceError &e)
{
    err() << path;
    if (e.line() > 0)
        err() << ':' << e.line();
    err() << ": " << QString::fromStdString(e.what()) << '\n';
}

int build(const QString &sourcePath, const QString &outPath)
{
    try {
        const BookSource source = readBookSource(sourcePath);
        writeBook(outPath, source.config, source.articles);
    } catch (const SourceError &e) {
        reportSourceError(sourcePath, e);
        return kFailure;
    } catch (const BookError &e) {
        err() << QString::fromStdString(e.what()) << '\n';
        return kFailure;
    }
    return 0;
}

int checkSet(QStringList args)
{
    QString wordListPath;
    if (args.size() >= 2 && args[0] == QStringLiteral("--words")) {
        wordListPath = args[1];
        args.remove(0, 2);
    }
    if (args.isEmpty())
        return usage();
    std::vector<NamedSource> books;
    std::vector<ListedWord> words;
    QString reading;
    try {
        for (const QString &path : args) {
            reading = path;
            books.push_back({path, readBookSource(path)});
        }
        reading = wordListPath;
        if (!wordListPath.isEmpty())
            words = readWordList(wordListPath);
    } catch (const SourceError &e) {
        reportSourceError(reading, e);
        return kFailure;
    }
    QTextStream out(stdout);
    return checkBookSet(books, wordListPath, words, out) == 0 ? 0 : kFailure;
}

int dump(const QStringList &args)
{
    bool json = false;
    QString bookPath;
    QString iconDir;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--json"))
            json = true;
        else if (args[i] == QStringLiteral("--save-icon") && i + 1 < args.size())
            iconDir = args[++i];
        else if (bookPath.isEmpty())
            bookPath = args[i];
        else
            return usage();
    }
    if (bookPath.isEmpty())
        return usage();
    try {
        const BookDatabase book = BookDatabase::open(bookPath);
        if (json) {
            const QByteArray out = bookToJson(book);
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            return 0;
        }
        QString iconName;
        if (book.config().icon) {
            iconName = QFileInfo(bookPath).completeBaseName() + QLatin1Char('.') + pictureExtension(*book.config().icon);
            if (!iconDir.isEmpty()) {
                QFile picture(QDir(iconDir).filePath(iconName));
                if (!picture.open(QIODevice::WriteOnly) || picture.write(*book.config().icon) != book.config().icon->size()) {
                    err() << picture.fileName() << ": cannot write: " << picture.errorString() << '\n';
                    return kFailure;
                }
            }
        }
        const QByteArray out = bookToSource(book, iconName).toUtf8();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    } catch (const BookError &e) {
        err() << QString::fromStdString(e.what()) << '\n';
        return kFailure;
    }
    return 0;
}

}

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--version") && args.isEmpty()) {
        std::printf("somnar-book %s\n", VersionString);
        return 0;
    }
    if (command == QStringLiteral("build") && args.size() == 2)
        return build(args[0], args[1]);
    if (command == QStringLiteral("check-set"))
        return checkSet(args);
    if (command == QStringLiteral("dump"))
        return dump(args);
    if (command == QStringLiteral("check") && args.size() == 1) {
        QTextStream out(stdout);
        return checkBook(args[0], out) == 0 ? 0 : kFailure;
    }
    return usage();
}
