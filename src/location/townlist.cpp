#include "location/townlist.h"

#include "text/codepage.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>

namespace somnar {

namespace {
constexpr int kItems = 7;

QString DecodeTownList(const QByteArray &bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.mid(bom.size()));
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return decodeCp1251(bytes);
}

// Splits one line into items: spaces before an item are skipped; a quoted item ends at its
// closing quote, with "" standing for one quote.
QStringList SplitItems(QStringView line)
{
    QStringList items;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && line[i] == u' ')
            ++i;
        QString item;
        if (i < line.size() && line[i] == u'"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] == u'"') {
                    if (i + 1 < line.size() && line[i + 1] == u'"')
                        ++i;
                    else
                        break;
                }
                item += line[i];
            }
            const qsizetype comma = line.indexOf(u',', i);
            i = comma < 0 ? line.size() : comma;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            const qsizetype end = comma < 0 ? line.size() : comma;
            item = line.mid(i, end - i).trimmed().toString();
            i = end;
        }
        items << item;
        if (i >= line.size())
            return items;
        ++i;  // the comma
    }
}

std::optional<std::int16_t> Number(const QString &item, int low, int high)
{
    bool ok = false;
    const int value = item.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return std::int16_t(value);
}

std::optional<TownRecord> ParseRecord(QStringView line)
{
    const QStringList items = SplitItems(line);
    if (items.size() != kItems)
        return std::nullopt;
    const auto longitudeDegrees = Number(items[1], 0, 180);
    const auto longitudeMinutes = Number(items[2], 0, 59);
    const auto latitudeDegrees = Number(items[3], 0, 90);
    const auto latitudeMinutes = Number(items[4], 0, 59);
    const auto south = Number(items[5], INT16_MIN, INT16_MAX);
    const auto west = Number(items[6], INT16_MIN, INT16_MAX);
    if (!longitudeDegrees || !longitudeMinutes || !latitudeDegrees || !latitudeMinutes || !south || !west)
        return std::nullopt;
    return TownRecord{items[0], *longitudeDegrees, *longitudeMinutes, *latitudeDegrees, *latitudeMinutes, *south, *west};
}
}

std::vector<TownRecord> ReadTownList(const QByteArray &bytes)
{
    const QString text = DecodeTownList(bytes);
    std::vector<TownRecord> towns;
    bool header = true;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        const QStringView record = line.endsWith(u'\r') ? line.chopped(1) : line;
        if (std::exchange(header, false))
            continue;
        if (const auto town = ParseRecord(record))
            towns.push_back(*town);
    }
    return towns;
}

std::vector<TownRecord> LoadTownList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadTownList(file.readAll());
}

}
