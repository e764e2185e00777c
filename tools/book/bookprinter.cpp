#include "bookprinter.h"

#include "text/packedtext.h"

#include <QStringList>

namespace somnar {
namespace {

QString decodedLinks(const QByteArray &links)
{
    QString words = Unpack(links);
    if (words.endsWith(QLatin1Char('.')))
        words.chop(1);
    return words;
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
    out += QStringLiteral("ToolName: %1\nTolkName: %2\n").arg(config.toolName, config.tolkName);
    if (config.color)
        out += QStringLiteral("Color: %1\n").arg(*config.color);
    if (config.icon)
        out += QStringLiteral("Icon: %1\n").arg(iconName);
    for (qsizetype i = 0; i < book.recordCount(); ++i) {
        const BookArticle &article = book.record(i);
        out += QStringLiteral("\n== %1\n").arg(article.list);
        if (article.text) {
            for (const QString &line : Unpack(*article.text).split(QStringLiteral("\r\n")))
                out += line + QLatin1Char('\n');
        }
        if (article.links)
            out += QStringLiteral("-> %1\n").arg(decodedLinks(*article.links));
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
