#include "dictionary/bookfile/bookwriter.h"

#include "text/codepage.h"
#include "dictionary/bookfile/jetwriter.h"

#include <QSaveFile>

#include <cstring>

namespace somnar {
namespace {

// Byte fields are stored as text whose characters stand for the bytes.
jet::Value bytesValue(const std::optional<QByteArray> &bytes)
{
    return bytes ? jet::Value::ofText(decodeCp1251(*bytes)) : jet::Value::nothing();
}

jet::Value textValue(const std::optional<QString> &text)
{
    return text ? jet::Value::ofText(*text) : jet::Value::nothing();
}

jet::Table bookTable(const std::vector<BookArticle> &articles)
{
    jet::Table t;
    t.name = QStringLiteral("Book");
    t.columns = {{QStringLiteral("List"), jet::kTypeText, 255},
                 {QStringLiteral("Text"), jet::kTypeMemo, 0},
                 {QStringLiteral("Links"), jet::kTypeMemo, 0}};
    t.rows.reserve(articles.size());
    for (const BookArticle &a : articles)
        t.rows.push_back({jet::Value::ofText(a.list), bytesValue(a.text), bytesValue(a.links)});
    return t;
}

jet::Table configTable(const BookConfig &config)
{
    jet::Table t;
    t.name = QStringLiteral("Config");
    t.columns = {{QStringLiteral("Icon"), jet::kTypeMemo, 0},
                 {QStringLiteral("ToolName"), jet::kTypeText, 255},
                 {QStringLiteral("TolkName"), jet::kTypeText, 255},
                 {QStringLiteral("Color"), jet::kTypeText, 255}};
    t.rows.push_back({bytesValue(config.icon), jet::Value::ofText(config.toolName),
                      jet::Value::ofText(config.tolkName), textValue(config.color)});
    return t;
}

}

void writeBook(const QString &path, const BookConfig &config, const std::vector<BookArticle> &articles)
{
    QByteArray image;
    try {
        image = jet::buildDatabase({bookTable(articles), configTable(config)});
    } catch (const std::invalid_argument &e) {
        throw BookError(QStringLiteral("%1: %2").arg(path, QString::fromStdString(e.what())).toStdString());
    }
    std::memcpy(image.data(), kBookMarker, jet::kMarkerLength);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit())
        throw BookError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()).toStdString());
}

}
