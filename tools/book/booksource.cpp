#include "booksource.h"

#include "sourceescape.h"

#include "dictionary/bookfile/wordorder.h"
#include "text/codepage.h"
#include "text/packedtext.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace somnar {
namespace {

constexpr qsizetype kMaxHeadword = 255;
constexpr long long kMaxColor = 0xFFFFFF;

bool isBlank(const QString &s) { return s.trimmed().isEmpty(); }
bool isBlank(const SourceLine &line) { return !line.escaped && isBlank(line.text); }

// The value of an escaped form (what follows its "\"); std::nullopt for Null. A bad escape
// is a fault of the line.
std::optional<QString> unescaped(QStringView afterBackslash, int line)
{
    try {
        return unescapeSourceValue(afterBackslash);
    } catch (const std::invalid_argument &error) {
        throw SourceError(line, QString::fromUtf8(error.what()));
    }
}

// What follows "Key:" or "==", without the blanks before it.
QStringView valueStart(QStringView rest)
{
    while (!rest.isEmpty() && rest.front().isSpace())
        rest = rest.mid(1);
    return rest;
}

std::vector<SourceLine> splitLines(const QByteArray &utf8)
{
    std::vector<SourceLine> lines;
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

struct HeaderValue {
    int line = 0;
    QString text;
    bool escaped = false;  // given in the escaped form: taken exactly as written
};

struct Header {
    std::map<QString, HeaderValue> values;
};

void readHeaderLine(Header &header, const SourceLine &line)
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
    const QStringView value = valueStart(QStringView(line.text).mid(colon + 1));
    if (!value.startsWith(u'\\')) {
        header.values[key] = {line.number, value.trimmed().toString(), false};
        return;
    }
    const std::optional<QString> text = unescaped(value.mid(1), line.number);
    if (!text && (key == QStringLiteral("ToolName") || key == QStringLiteral("TolkName")))
        throw SourceError(line.number, QStringLiteral("%1 cannot be Null").arg(key));
    if (text)
        header.values[key] = {line.number, *text, true};
}

BookConfig configOf(const Header &header, const QString &baseDir)
{
    BookConfig config;
    for (const char *required : {"ToolName", "TolkName"}) {
        const auto it = header.values.find(QLatin1String(required));
        if (it == header.values.end() || (it->second.text.isEmpty() && !it->second.escaped))
            throw SourceError(0, QStringLiteral("the header has no %1 line").arg(QLatin1String(required)));
        if (it->second.text.size() > kMaxHeadword)
            throw SourceError(it->second.line, QStringLiteral("%1 is longer than 255 characters").arg(QLatin1String(required)));
        codePageBytes(it->second.text, it->second.line, QLatin1String(required));
    }
    config.toolName = header.values.at(QStringLiteral("ToolName")).text;
    config.tolkName = header.values.at(QStringLiteral("TolkName")).text;
    if (const auto it = header.values.find(QStringLiteral("Color")); it != header.values.end()) {
        const HeaderValue &color = it->second;
        bool ok = false;
        const long long value = color.text.toLongLong(&ok);
        if (!color.escaped && (!ok || value < 0 || value > kMaxColor))
            throw SourceError(color.line, QStringLiteral("Color must be a decimal number from 0 to 16777215 (0x00BBGGRR)"));
        codePageBytes(color.text, color.line, QStringLiteral("Color"));
        config.color = color.escaped ? color.text : QString::number(value);
    }
    if (const auto it = header.values.find(QStringLiteral("Icon")); it != header.values.end()) {
        QFile picture(QDir(baseDir).filePath(it->second.text));
        if (it->second.text.isEmpty() || !picture.open(QIODevice::ReadOnly))
            throw SourceError(it->second.line, QStringLiteral("cannot read picture file \"%1\"").arg(it->second.text));
        config.icon = picture.readAll();
    }
    return config;
}

// Splits the lines after a headword into text and cross-references.
WrittenArticle writtenArticle(SourceLine headword, std::vector<SourceLine> body)
{
    const auto dropBlankEnds = [&body] {
        while (!body.empty() && isBlank(body.back()))
            body.pop_back();
        const auto first = std::find_if(body.begin(), body.end(), [](const SourceLine &l) { return !isBlank(l); });
        body.erase(body.begin(), first);
    };
    dropBlankEnds();
    WrittenArticle article;
    article.headword = std::move(headword);
    const bool linksLine = !body.empty() && !body.back().escaped && body.back().text.startsWith(QStringLiteral("->"));
    if (linksLine && body.back().text.startsWith(QStringLiteral("->\\"))) {
        // The stored value exactly, as dump writes a value in no canonical form.
        const SourceLine line = body.back();
        body.pop_back();
        if (const std::optional<QString> value = unescaped(QStringView(line.text).mid(3), line.number)) {
            article.links = line;
            article.exactLinks = value;
            for (const QString &word : value->split(QLatin1Char(';'), Qt::SkipEmptyParts))
                if (!isBlank(word))
                    article.linkWords << word.trimmed();
        }
        dropBlankEnds();
    } else if (linksLine) {
        article.links = body.back();
        body.pop_back();
        for (const QString &word : article.links->text.mid(2).split(QLatin1Char(';'))) {
            if (isBlank(word))
                throw SourceError(article.links->number, QStringLiteral("empty cross-reference word"));
            article.linkWords << word.trimmed();
        }
        dropBlankEnds();
    }
    if (body.empty())
        throw SourceError(article.headword.number, QStringLiteral("article \"%1\" has no text").arg(article.headword.text));
    article.nullText = body.size() == 1 && body.front().null;
    for (const SourceLine &line : body) {
        if (line.null && !article.nullText)
            throw SourceError(line.number, QStringLiteral("\\N stands for a Null text and must be its only line"));
    }
    if (!article.nullText)
        article.text = std::move(body);
    return article;
}

BookArticle packedArticle(const WrittenArticle &article)
{
    BookArticle result;
    result.list = article.headword.text;
    if (article.links) {
        const QString stored = article.exactLinks.value_or(article.linkWords.join(QStringLiteral("; ")) + QLatin1Char('.'));
        result.links = Pack(codePageBytes(stored, article.links->number, QStringLiteral("cross-references")));
    }
    if (article.nullText)
        return result;
    QByteArray text;
    for (size_t i = 0; i < article.text.size(); ++i) {
        if (i > 0)
            text.append("\r\n");
        text.append(codePageBytes(article.text[i].text, article.text[i].number, QStringLiteral("text")));
    }
    result.text = Pack(text);
    return result;
}

}

BookSource parseBookSource(const QByteArray &utf8, const QString &baseDir)
{
    Header header;
    std::vector<std::pair<SourceLine, std::vector<SourceLine>>> pieces;   // headword, the lines after it
    for (SourceLine &line : splitLines(utf8)) {
        if (line.text.startsWith(QLatin1Char('#')))
            continue;
        if (line.text == QStringLiteral("==") || line.text.startsWith(QStringLiteral("== "))) {
            const QStringView given = valueStart(QStringView(line.text).mid(2));
            const bool escaped = given.startsWith(u'\\');
            const std::optional<QString> value = escaped ? unescaped(given.mid(1), line.number) : given.trimmed().toString();
            if (!value)
                throw SourceError(line.number, QStringLiteral("a headword cannot be Null"));
            const QString word = *value;
            if (word.isEmpty() && !escaped)
                throw SourceError(line.number, QStringLiteral("article without a headword"));
            if (word.size() > kMaxHeadword)
                throw SourceError(line.number, QStringLiteral("headword longer than 255 characters"));
            codePageBytes(word, line.number, QStringLiteral("headword"));
            pieces.push_back({{line.number, word}, {}});
        } else if (!pieces.empty()) {
            if (line.text.startsWith(u'\\')) {
                const std::optional<QString> value = unescaped(QStringView(line.text).mid(1), line.number);
                line.text = value.value_or(QString());
                line.escaped = true;
                line.null = !value;
            }
            pieces.back().second.push_back(std::move(line));
        } else if (!isBlank(line.text)) {
            readHeaderLine(header, line);
        }
    }

    BookSource source;
    source.config = configOf(header, baseDir);
    if (pieces.empty())
        throw SourceError(0, QStringLiteral("the source holds no article (\"== word\")"));
    const std::vector<WrittenArticle> &articles = source.written;
    for (auto &[headword, body] : pieces)
        source.written.push_back(writtenArticle(std::move(headword), std::move(body)));

    std::vector<std::pair<WordKey, size_t>> order;
    for (size_t i = 0; i < articles.size(); ++i)
        order.emplace_back(wordKey(articles[i].headword.text), i);
    std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t k = 1; k < order.size(); ++k) {
        const WrittenArticle &previous = articles[order[k - 1].second];
        const WrittenArticle &current = articles[order[k].second];
        if (sameWord(previous.headword.text, current.headword.text)) {
            const WrittenArticle &later = previous.headword.number > current.headword.number ? previous : current;
            const WrittenArticle &earlier = &later == &previous ? current : previous;
            throw SourceError(later.headword.number, QStringLiteral("duplicate headword \"%1\" (first at line %2)")
                                                         .arg(later.headword.text).arg(earlier.headword.number));
        }
    }
    for (const auto &[key, i] : order)
        source.articles.push_back(packedArticle(articles[i]));
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
