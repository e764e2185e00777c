#include "setcheck.h"

#include "dictionary/bookfile/wordorder.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace somnar {
namespace {

constexpr qsizetype kShortestComparedPart = 3;   // words; shorter dash parts repeat naturally ("к удаче")
constexpr qsizetype kFewestReadings = 2;   // one line reads as a stub, more than six as a list
constexpr qsizetype kMostReadings = 6;

bool endsSentence(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QChar(0x2026);
}

// Lower case, ё as е, every run of non-letters and non-digits as one space.
QString normalised(QStringView text)
{
    QString out;
    bool space = false;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            if (space && !out.isEmpty())
                out += QLatin1Char(' ');
            space = false;
            out += c == QChar(0x0451) || c == QChar(0x0401) ? QChar(0x0435) : c.toLower();
        } else {
            space = true;
        }
    }
    return out;
}

QStringList sentencesOf(const QString &reading)
{
    QStringList sentences;
    qsizetype start = 0;
    for (qsizetype i = 0; i < reading.size(); ++i) {
        if (!endsSentence(reading[i]))
            continue;
        qsizetype next = i + 1;
        while (next < reading.size() && (endsSentence(reading[next]) || (!reading[next].isLetterOrNumber() && !reading[next].isSpace())))
            ++next;
        qsizetype word = next;
        while (word < reading.size() && !reading[word].isLetterOrNumber())
            ++word;
        if (word < reading.size() && (next == word || reading[word].isLower()))
            continue;   // "т. е.", "2.5": not the end of a sentence
        sentences << reading.mid(start, next - start);
        start = next;
        i = next - 1;
    }
    sentences << reading.mid(start);
    return sentences;
}

struct Place {
    int book = 0;
    int line = 0;
};

}

std::vector<ListedWord> readWordList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(0, QStringLiteral("cannot open: %1").arg(file.errorString()));
    std::vector<ListedWord> words;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3 || fields[1].trimmed().isEmpty()
            || (fields[2] != QLatin1String("0") && fields[2] != QLatin1String("1")))
            throw SourceError(int(i + 1), QStringLiteral("expected \"theme<TAB>Headword<TAB>common\" with common 0 or 1"));
        words.push_back({int(i + 1), fields[0].trimmed(), fields[1].trimmed(), fields[2] == QLatin1String("1")});
    }
    return words;
}

QStringList sentenceKeys(const QString &reading)
{
    QStringList keys;
    const auto add = [&keys](const QString &key) {
        if (!key.isEmpty() && !keys.contains(key))
            keys << key;
    };
    for (const QString &sentence : sentencesOf(reading)) {
        add(normalised(sentence));
        for (const QString &part : sentence.split(QChar(0x2013))) {
            const QString key = normalised(part);
            if (key.count(QLatin1Char(' ')) + 1 >= kShortestComparedPart)
                add(key);
        }
    }
    return keys;
}

int checkBookSet(const std::vector<NamedSource> &books, const QString &wordListPath,
                 const std::vector<ListedWord> &words, QTextStream &out)
{
    int problems = 0;
    const auto problem = [&](const QString &path, int line, const QString &what) {
        out << path << ':' << line << ": " << what << '\n';
        ++problems;
    };

    QHash<QString, QSet<int>> booksOfWord;   // folded headword -> books holding it
    qsizetype articleCount = 0;
    for (size_t b = 0; b < books.size(); ++b) {
        for (const WrittenArticle &article : books[b].source.written)
            booksOfWord[foldWordCase(article.headword.text)].insert(int(b));
        articleCount += qsizetype(books[b].source.written.size());
        out << "Book " << books[b].path << ": " << books[b].source.written.size() << " articles\n";
    }

    QHash<QString, Place> firstPlace;   // sentence key -> where it was first written
    for (size_t b = 0; b < books.size(); ++b) {
        const QString &path = books[b].path;
        for (const WrittenArticle &article : books[b].source.written) {
            for (const QString &word : article.linkWords) {
                if (!booksOfWord.contains(foldWordCase(word)))
                    problem(path, article.links->number, QStringLiteral("cross-reference \"%1\" names a word no book has").arg(word));
            }
            const qsizetype readings = std::count_if(article.text.begin(), article.text.end(),
                                                     [](const SourceLine &l) { return !l.text.trimmed().isEmpty(); });
            if (readings < kFewestReadings || readings > kMostReadings)
                problem(path, article.headword.number, QStringLiteral("\"%1\" has %2 reading(s); an article needs %3 to %4")
                                                           .arg(article.headword.text).arg(readings).arg(kFewestReadings).arg(kMostReadings));
            for (const SourceLine &reading : article.text) {
                for (const QString &key : sentenceKeys(reading.text)) {
                    const auto first = firstPlace.constFind(key);
                    if (first == firstPlace.cend())
                        firstPlace.insert(key, {int(b), reading.number});
                    else
                        problem(path, reading.number, QStringLiteral("\"%1\" is written already at %2:%3")
                                                          .arg(key, books[size_t(first->book)].path).arg(first->line));
                }
            }
        }
    }

    QSet<QString> listed;
    qsizetype commonCount = 0;
    for (const ListedWord &word : words) {
        const QString folded = foldWordCase(word.word);
        if (listed.contains(folded))
            problem(wordListPath, word.line, QStringLiteral("\"%1\" is listed twice").arg(word.word));
        listed.insert(folded);
        const qsizetype holders = booksOfWord.value(folded).size();
        if (holders == 0)
            problem(wordListPath, word.line, QStringLiteral("\"%1\" is in no book").arg(word.word));
        else if (word.common && holders < 2)
            problem(wordListPath, word.line, QStringLiteral("\"%1\" is a common symbol but only one book has it").arg(word.word));
        commonCount += word.common ? 1 : 0;
    }

    out << "Articles: " << articleCount << ", distinct headwords: " << booksOfWord.size() << '\n';
    if (!wordListPath.isEmpty()) {
        const qsizetype unlisted = std::count_if(booksOfWord.keyBegin(), booksOfWord.keyEnd(),
                                                 [&listed](const QString &w) { return !listed.contains(w); });
        out << "Word list: " << words.size() << " words, " << commonCount << " common; headwords not listed: " << unlisted << '\n';
    }
    out << (problems ? QStringLiteral("Result: %1 problem(s)\n").arg(problems) : QStringLiteral("Result: OK\n"));
    return problems;
}

}
