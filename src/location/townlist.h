#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace somnar {

// One town of City.csv, as the file holds it: longitude before latitude.
struct TownRecord {
    QString name;
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    std::int16_t south = 0;  // 1 = south, any other value = north
    std::int16_t west = 0;   // 1 = west, any other value = east

    bool operator==(const TownRecord &) const = default;
};

// The town list: Windows-1251 text, or UTF-8 when it starts with a byte-order mark or is valid
// UTF-8 holding non-ASCII bytes. The first line is a header. One line is one record of seven
// comma-separated items; a name may be quoted ("a, b" and doubled quotes). A line that does not
// make seven items, holds a number that is not one, or whose degrees or minutes lie outside
// 0-90 / 0-180 / 0-59 is skipped.
std::vector<TownRecord> ReadTownList(const QByteArray &bytes);

// Reads a town list file; a missing or unreadable file gives an empty list.
std::vector<TownRecord> LoadTownList(const QString &path);

}
