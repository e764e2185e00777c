#include "bookprinter.h"

#include "sourceescape.h"
#include "text/packedtext.h"

#include <QStringList>

namespace somnar {
namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// A header value or headword as build reads it back: plain when trimming leaves it as it is.
QString sourceValue(const QString &value)
{
    const bool plain = !value.isEmpty() && value == value.trimmed() && !value.startsWith(QLatin1Char('\\'))
        && !hasLineBreak(value);
    return plain ? value : escapeSourceValue(value);
}

QString colorValue(const QString &color)
{
    bool ok = false;
    const long long value = color.toLongLong(&ok);
    const bool plain = ok && value >= 0 && value <= 0xFFFFFF && QString::number(value) == color;
    return plain ? color : escapeSourceValue(color);
}

// "-> w1; w2" when build makes the same value of it (words joined by "; ", then "."), else
// the stored value exactly in the escaped form.
QString linksLine(const QString &links)
{
    bool plain = links.endsWith(QLatin1Char('.')) && !hasLineBreak(links);
    const QStringList words = links.chopped(plain ? 1 : 0).split(QStringLiteral("; "));
    for (const QString &word : words)
        plain = plain && !word.isEmpty() && word == word.trimmed() && !word.contains(QLatin1Char(';'));
    return plain ? QStringLiteral("-> ") + words.join(QStringLiteral("; ")) : QStringLiteral("->") + escapeSourceValue(links);
}

// A text line that build would read as markup, drop as a blank end or split is escaped.
QString textLine(const QString &line, bool atAnEnd)
{
    const bool markup = line.startsWith(QLatin1Char('#')) || line.startsWith(QStringLiteral("=="))
        || line.startsWith(QStringLiteral("->")) || line.startsWith(QLatin1Char('\\'));
    const bool dropped = atAnEnd && line.trimmed().isEmpty();
    return markup || dropped || hasLineBreak(line) ? escapeSourceValue(line) : line;
}

void appendJsonString(QByteArray &out, const QString &text)
{
    out.append('"');
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
                out.append(QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0')).toLatin1());
            else
                out.append(QString(ch).toUtf8());
        }
    }
    out.append('"');
}

void appendJsonValue(QByteArray &out, const std::optional<QString> &text)
{
    if (text)
        appendJsonString(out, *text);
    else
        out.append("null");
}

std::optional<QString> unpacked(const std::optional<QByteArray> &field)
{
    return field ? std::optional<QString>(Unpack(*field)) : std::nullopt;
}

}

QString pictureExtension(const QByteArray &picture)
{
    if (picture.startsWith("\x89PNG"))
        return QStringLiteral("png");
    if (picture.startsWith(QByteArrayView("\0\0\1\0", 4)))
        return QStringLiteral("ico");
    if (picture.startsWith("BM"))
        return QStringLiteral("bmp");
    if (picture.startsWith("GIF8"))
        return QStringLiteral("gif");
    if (picture.startsWith("\xFF\xD8"))
        return QStringLiteral("jpg");
    return QStringLiteral("bin");
}

QString bookToSource(const BookDatabase &book, const QString &iconName)
{
    const BookConfig &config = book.config();
    QString out;
    out += QStringLiteral("ToolName: %1\nTolkName: %2\n")
               .arg(sourceValue(config.toolName), sourceValue(config.tolkName));
    if (config.color)
        out += QStringLiteral("Color: %1\n").arg(colorValue(*config.color));
    if (config.icon)
        out += QStringLiteral("Icon: %1\n").arg(sourceValue(iconName));
    for (qsizetype i = 0; i < book.recordCount(); ++i) {
        const BookArticle &article = book.record(i);
        out += QStringLiteral("\n== %1\n").arg(sourceValue(article.list));
        if (article.text) {
            const QStringList lines = Unpack(*article.text).split(QStringLiteral("\r\n"));
            for (qsizetype k = 0; k < lines.size(); ++k)
                out += textLine(lines[k], k == 0 || k == lines.size() - 1) + QLatin1Char('\n');
        } else {
            out += escapeSourceValue(std::nullopt) + QLatin1Char('\n');
        }
        if (article.links)
            out += linksLine(Unpack(*article.links)) + QLatin1Char('\n');
    }
    return out;
}

QByteArray bookToJson(const BookDatabase &book)
{
    const BookConfig &config = book.config();
    QByteArray out("{\"ToolName\": ");
    appendJsonString(out, config.toolName);
    out.append(", \"TolkName\": ");
    appendJsonString(out, config.tolkName);
    out.append(", \"Color\": ");
    appendJsonValue(out, config.color);
    out.append(", \"Icon\": ");
    if (config.icon)
        out.append('"').append(config.icon->toHex()).append('"');
    else
        out.append("null");
    out.append(", \"articles\": [");
    for (qsizetype i = 0; i < book.recordCount(); ++i) {
        const BookArticle &article = book.record(i);
        out.append(i ? ", {\"List\": " : "{\"List\": ");
        appendJsonString(out, article.list);
        out.append(", \"Text\": ");
        appendJsonValue(out, unpacked(article.text));
        out.append(", \"Links\": ");
        appendJsonValue(out, unpacked(article.links));
        out.append('}');
    }
    out.append("]}\n");
    return out;
}

}
