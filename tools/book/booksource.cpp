#include "booksource.h"

#include "article/codepage.h"
#include "article/packedtext.h"
#include "dictionary/bookfile/wordorder.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <map>

namespace somnar {
namespace {

constexpr qsizetype kMaxHeadword = 255;
constexpr long long kMaxColor = 0xFFFFFF;

struct Line {
    int number = 0;
    QString text;
};

bool isBlank(const QString &s) { return s.trimmed().isEmpty(); }

std::vector<Line> splitLines(const QByteArray &utf8)
{
    std::vector<Line> lines;
    const QList<QByteArray> raw = utf8.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray bytes = raw[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (i == 0 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            throw SourceError(int(i + 1), QStringLiteral("not valid UTF-8"));
        lines.push_back({int(i + 1), std::move(text)});
    }
    if (!lines.empty() && lines.back().text.isEmpty())
        lines.pop_back();
    return lines;
}

// Windows-1251 bytes of a text, or a message naming the character that has none.
QByteArray codePageBytes(const QString &text, int line, const QString &what)
{
    qsizetype bad = 0;
    const std::optional<QByteArray> bytes = encodeCp1251(text, &bad);
    if (!bytes) {
        const char32_t ch = text.at(bad).isHighSurrogate() && bad + 1 < text.size()
            ? QChar::surrogateToUcs4(text.at(bad), text.at(bad + 1)) : text.at(bad).unicode();
        throw SourceError(line, QStringLiteral("%1: character U+%2 cannot be written in Windows-1251")
                                    .arg(what, QStringLiteral("%1").arg(uint(ch), 4, 16, QLatin1Char('0')).toUpper()));
    }
    return *bytes;
}

struct Header {
    std::map<QString, std::pair<int, QString>> values;   // key -> line, value
};

void readHeaderLine(Header &header, const Line &line)
{
    const qsizetype colon = line.text.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        throw SourceError(line.number, QStringLiteral("expected \"Key: value\" or an article \"== word\""));
    const QString key = line.text.left(colon).trimmed();
    static const QStringList known = {QStringLiteral("ToolName"), QStringLiteral("TolkName"),
                                      QStringLiteral("Color"), QStringLiteral("Icon")};
    if (!known.contains(key))
        throw SourceError(line.number, QStringLiteral("unknown header key \"%1\"").arg(key));
    if (header.values.count(key))
        throw SourceError(line.number, QStringLiteral("header key \"%1\" given twice").arg(key));
    header.values[key] = {line.number, line.text.mid(colon + 1).trimmed()};
}

BookConfig configOf(const Header &header, const QString &baseDir)
{
    BookConfig config;
    for (const char *required : {"ToolName", "TolkName"}) {
        const auto it = header.values.find(QLatin1String(required));
        if (it == header.values.end() || it->second.second.isEmpty())
            throw SourceError(0, QStringLiteral("the header has no %1 line").arg(QLatin1String(required)));
        if (it->second.second.size() > kMaxHeadword)
            throw SourceError(it->second.first, QStringLiteral("%1 is longer than 255 characters").arg(QLatin1String(required)));
        codePageBytes(it->second.second, it->second.first, QLatin1String(required));
    }
    config.toolName = header.values.at(QStringLiteral("ToolName")).second;
    config.tolkName = header.values.at(QStringLiteral("TolkName")).second;
    if (const auto it = header.values.find(QStringLiteral("Color")); it != header.values.end()) {
        bool ok = false;
        const long long value = it->second.second.toLongLong(&ok);
        if (!ok || value < 0 || value > kMaxColor)
            throw SourceError(it->second.first, QStringLiteral("Color must be a decimal number from 0 to 16777215 (0x00BBGGRR)"));
        config.color = QString::number(value);
    }
    if (const auto it = header.values.find(QStringLiteral("Icon")); it != header.values.end()) {
        QFile picture(QDir(baseDir).filePath(it->second.second));
        if (it->second.second.isEmpty() || !picture.open(QIODevice::ReadOnly))
            throw SourceError(it->second.first, QStringLiteral("cannot read picture file \"%1\"").arg(it->second.second));
        config.icon = picture.readAll();
    }
    return config;
}

struct Article {
    Line headword;
    std::vector<Line> body;
};

BookArticle buildArticle(Article &article)
{
    std::vector<Line> &body = article.body;
    const auto dropBlankEnds = [&body] {
        while (!body.empty() && isBlank(body.back().text))
            body.pop_back();
        const auto first = std::find_if(body.begin(), body.end(), [](const Line &l) { return !isBlank(l.text); });
        body.erase(body.begin(), first);
    };
    dropBlankEnds();
    BookArticle result;
    result.list = article.headword.text;
    if (!body.empty() && body.back().text.startsWith(QStringLiteral("->"))) {
        const Line links = body.back();
        body.pop_back();
        QStringList words;
        for (const QString &word : links.text.mid(2).split(QLatin1Char(';'))) {
            if (isBlank(word))
                throw SourceError(links.number, QStringLiteral("empty cross-reference word"));
            words << word.trimmed();
        }
        const QString stored = words.join(QStringLiteral("; ")) + QLatin1Char('.');
        result.links = Pack(codePageBytes(stored, links.number, QStringLiteral("cross-references")));
        dropBlankEnds();
    }
    if (body.empty())
        throw SourceError(article.headword.number, QStringLiteral("article \"%1\" has no text").arg(result.list));
    QByteArray text;
    for (size_t i = 0; i < body.size(); ++i) {
        if (i > 0)
            text.append("\r\n");
        text.append(codePageBytes(body[i].text, body[i].number, QStringLiteral("text")));
    }
    result.text = Pack(text);
    return result;
}

}

BookSource parseBookSource(const QByteArray &utf8, const QString &baseDir)
{
    Header header;
    std::vector<Article> articles;
    for (Line &line : splitLines(utf8)) {
        if (line.text.startsWith(QLatin1Char('#')))
            continue;
        if (line.text == QStringLiteral("==") || line.text.startsWith(QStringLiteral("== "))) {
            const QString word = line.text.mid(2).trimmed();
            if (word.isEmpty())
                throw SourceError(line.number, QStringLiteral("article without a headword"));
            if (word.size() > kMaxHeadword)
                throw SourceError(line.number, QStringLiteral("headword longer than 255 characters"));
            codePageBytes(word, line.number, QStringLiteral("headword"));
            articles.push_back({{line.number, word}, {}});
        } else if (!articles.empty()) {
            articles.back().body.push_back(std::move(line));
        } else if (!isBlank(line.text)) {
            readHeaderLine(header, line);
        }
    }

    BookSource source;
    source.config = configOf(header, baseDir);
    if (articles.empty())
        throw SourceError(0, QStringLiteral("the source holds no article (\"== word\")"));

    std::vector<std::pair<WordKey, size_t>> order;
    for (size_t i = 0; i < articles.size(); ++i)
        order.emplace_back(wordKey(articles[i].headword.text), i);
    std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t k = 1; k < order.size(); ++k) {
        const Article &previous = articles[order[k - 1].second];
        const Article &current = articles[order[k].second];
        if (sameWord(previous.headword.text, current.headword.text)) {
            const Article &later = previous.headword.number > current.headword.number ? previous : current;
            const Article &earlier = &later == &previous ? current : previous;
            throw SourceError(later.headword.number, QStringLiteral("duplicate headword \"%1\" (first at line %2)")
                                                         .arg(later.headword.text).arg(earlier.headword.number));
        }
    }
    for (const auto &[key, i] : order)
        source.articles.push_back(buildArticle(articles[i]));
    return source;
}

BookSource readBookSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(0, QStringLiteral("cannot open: %1").arg(file.errorString()));
    return parseBookSource(file.readAll(), QFileInfo(path).absolutePath());
}

}
