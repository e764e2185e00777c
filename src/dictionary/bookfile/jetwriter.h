#pragma once

#include "dictionary/bookfile/jetformat.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace somnar::jet {

// A small writer of Jet 4 database files: a catalogue (MSysObjects) and the given tables,
// each with its rows on consecutive data pages and its long values on long-value pages after
// them. No indexes are written.

struct Column {
    QString name;
    uint8_t type = kTypeText;   // kTypeText, kTypeMemo, kTypeOle, kTypeLong or kTypeInt
    uint16_t maxChars = 255;    // text columns only
};

struct Value {
    bool null = true;
    int32_t number = 0;   // fixed columns
    QString text;         // text and memo columns
    QByteArray bytes;     // OLE columns

    static Value ofText(const QString &text);
    static Value ofNumber(int32_t number);
    static Value nothing() { return {}; }
};

struct Table {
    QString name;
    bool system = false;
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows;
};

// The whole file image, marker not applied. Throws std::invalid_argument naming the table,
// row and column of a value the format cannot hold.
QByteArray buildDatabase(const std::vector<Table> &tables);

}
