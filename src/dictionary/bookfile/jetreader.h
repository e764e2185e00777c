#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "dictionary/bookfile/jetpages.h"

namespace somnar::jet {

// One field of a row as stored: for text and memo fields the Jet text bytes (long values
// already gathered from their pages), for numbers their little-endian bytes.
struct Cell {
    bool null = true;
    uint8_t type = 0;
    QByteArray stored;
};

// The field as text; the stored bytes of a binary field are read as Windows-1251.
QString cellText(const Cell &cell);
// The bytes the field's characters stand for (Windows-1251), or the bytes of a binary field.
// Throws ReadError when a character has no Windows-1251 byte.
QByteArray cellBytes(const Cell &cell);

// Reads tables of a Jet 4 file image held in memory through libmdb, checking every page and
// row before the library or this reader relies on it. Index pages are not used.
class Reader {
public:
    // image: the whole file with the plain Jet 4 start. Throws ReadError.
    explicit Reader(QByteArray image);
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // Calls visit for every row of the table in stored order with the cells of the named
    // columns, in the order given; returns the number of rows. Throws ReadError when the table
    // or a column is missing or a page is damaged.
    using RowVisitor = std::function<void(const std::vector<Cell> &)>;
    qsizetype readRows(const QString &table, const QStringList &columns, const RowVisitor &visit);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}
