#include "dictionary/bookfile/jetpages.h"

#include "dictionary/bookfile/jetformat.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace somnar::jet {
namespace {

constexpr int kMaxColumns = 255;
constexpr uint32_t kMaxIndexes = 255;
constexpr uint8_t kMapInline = 0;
constexpr uint8_t kMapPages = 1;
constexpr uint8_t kPageUsageMap = 0x05;

}

void failRead(const QString &what)
{
    throw ReadError(what.toStdString());
}

// The bounds of one row of a data page, checked against the page and its offset table.
RowSpan rowSpan(const unsigned char *page, uint32_t pageNumber, int row)
{
    const int rows = get16(page + kDataRowCount);
    const int tableEnd = kDataRowTable + 2 * rows;
    if (tableEnd > kPageSize || row >= rows)
        failRead(QStringLiteral("page %1 has a damaged row table").arg(pageNumber));
    const uint16_t raw = get16(page + kDataRowTable + 2 * row);
    RowSpan span;
    span.deleted = raw & 0x8000;
    span.overflow = raw & 0x4000;
    span.start = raw & kRowOffsetMask;
    span.end = row == 0 ? kPageSize : get16(page + kDataRowTable + 2 * (row - 1)) & kRowOffsetMask;
    if (!span.deleted && (span.start < tableEnd || span.start >= span.end || span.end > kPageSize))
        failRead(QStringLiteral("page %1 row %2 is damaged").arg(pageNumber).arg(row));
    return span;
}

PageImage::PageImage(QByteArray image)
{
    if (image.size() < 3 * kPageSize)
        failRead(QStringLiteral("the file is too short to be a database"));
    if (image.size() % kPageSize != 0)
        failRead(QStringLiteral("the file is cut short (its size is not a whole number of pages)"));
    m_image = std::move(image);
    m_count = uint32_t(m_image.size() / kPageSize);
    const unsigned char *start = page(0);
    if (std::memcmp(start, kJetStart, 0x14) != 0 || start[0x14] < 1 || start[0x14] > 6)
        failRead(QStringLiteral("the file is not a Jet 4 database"));
    // A database key means libmdb would decrypt every page it reads, and every check made
    // here on the plain pages would be worth nothing: books are never encrypted.
    unsigned char header[kPageSize];
    std::memcpy(header, start, kPageSize);
    maskDatabaseHeader(header);
    if (get32(header + kDatabaseKey) != 0)
        failRead(QStringLiteral("the database is encrypted or its header is damaged"));
}

void PageImage::checkPage(uint32_t n, uint8_t type, const QString &what) const
{
    if (n >= m_count)
        failRead(QStringLiteral("%1 points past the end of the file (page %2)").arg(what).arg(n));
    if (page(n)[0] != type)
        failRead(QStringLiteral("%1: page %2 is not of the expected kind").arg(what).arg(n));
}

QByteArrayView PageImage::rowBytes(uint32_t pointer, const QString &what) const
{
    const uint32_t pageNumber = pointer >> 8;
    checkPage(pageNumber, kPageData, what);
    const RowSpan span = rowSpan(page(pageNumber), pageNumber, int(pointer & 0xFF));
    if (span.deleted)
        failRead(QStringLiteral("%1 points to a deleted row").arg(what));
    return QByteArrayView(page(pageNumber) + span.start, span.end - span.start);
}

// Every page the usage map lists must be a data page of the table: libmdb passes over
// any other page with a warning, and the rows on it would be lost without a word.
void PageImage::checkListedPage(uint64_t n, uint32_t definition, const QString &what) const
{
    if (n >= m_count)
        failRead(what + QStringLiteral(" names a page past the end of the file"));
    const unsigned char *p = page(uint32_t(n));
    if (n == 0 || p[0] != kPageData || get32(p + kDataOwner) != definition)
        failRead(what + QStringLiteral(" names page %1, which is not one of the table's data pages").arg(n));
}

void PageImage::checkUsageMap(uint32_t pointer, uint32_t definition, const QString &table) const
{
    const QString what = QStringLiteral("usage map of table %1").arg(table);
    const QByteArrayView map = rowBytes(pointer, what);
    const auto *m = reinterpret_cast<const unsigned char *>(map.data());
    if (map.isEmpty())
        failRead(what + QStringLiteral(" is empty"));
    if (m[0] == kMapInline) {
        if (map.size() < 5)
            failRead(what + QStringLiteral(" is damaged"));
        const uint64_t first = get32(m + 1);
        for (qsizetype bit = 0; bit < (map.size() - 5) * 8; ++bit) {
            if (m[5 + bit / 8] >> (bit % 8) & 1)
                checkListedPage(first + uint64_t(bit), definition, what);
        }
    } else if (m[0] == kMapPages) {
        constexpr uint64_t pagesPerMapPage = (kPageSize - 4) * 8;
        for (qsizetype at = 1; at + 4 <= map.size(); at += 4) {
            const uint32_t mapPage = get32(m + at);
            if (mapPage == 0)
                continue;
            checkPage(mapPage, kPageUsageMap, what);
            const unsigned char *bits = page(mapPage) + 4;
            for (uint64_t bit = 0; bit < pagesPerMapPage; ++bit) {
                if (bits[bit / 8] >> (bit % 8) & 1)
                    checkListedPage(uint64_t((at - 1) / 4) * pagesPerMapPage + bit, definition, what);
            }
        }
    } else {
        failRead(what + QStringLiteral(" is of an unknown kind"));
    }
}

// Everything libmdb reads of a table definition, before it reads it.
void PageImage::checkDefinition(uint32_t first, const QString &table) const
{
    const QString what = QStringLiteral("definition of table %1").arg(table);
    std::unordered_set<uint32_t> seen;
    for (uint32_t n = first; n != 0; n = get32(page(n) + 4)) {
        checkPage(n, kPageTableDefinition, what);
        if (!seen.insert(n).second)
            failRead(what + QStringLiteral(" runs in a circle"));
    }
    const unsigned char *p = page(first);
    const int columns = get16(p + kTableColumnCount);
    if (columns > kMaxColumns || get16(p + kTableVarColumnCount) > columns
        || get32(p + kTableIndexCount) > kMaxIndexes || get32(p + kTableRealIndexCount) > kMaxIndexes)
        failRead(what + QStringLiteral(" is damaged"));
    const qsizetype needed = kTableColumnsStart + qsizetype(get32(p + kTableRealIndexCount)) * kRealIndexEntrySize
                             + qsizetype(columns) * (kColumnEntrySize + 2);
    if (needed > qsizetype(seen.size()) * (kPageSize - 8))
        failRead(what + QStringLiteral(" is cut short"));
    rowBytes(get32(p + kTableFreeMap), QStringLiteral("free-space map of table %1").arg(table));
    checkUsageMap(get32(p + kTableUsageMap), first, table);
}

QByteArray PageImage::longValue(const unsigned char *h, int size, const QString &what) const
{
    if (size == 0)
        return {};
    if (size < kMemoHeaderSize)
        failRead(what + QStringLiteral(" is damaged"));
    const uint32_t length = get24(h);
    const uint8_t flags = h[3];
    if (flags & kMemoInline) {
        if (length > uint32_t(size - kMemoHeaderSize))
            failRead(what + QStringLiteral(" is longer than its row"));
        return QByteArray(reinterpret_cast<const char *>(h + kMemoHeaderSize), length);
    }
    uint32_t pointer = get32(h + 4);
    if (flags & kMemoSinglePage) {
        const QByteArrayView row = rowBytes(pointer, what);
        if (length > uint32_t(row.size()))
            failRead(what + QStringLiteral(" is longer than its page"));
        return row.first(length).toByteArray();
    }
    if (flags != 0)
        failRead(what + QStringLiteral(" is of an unknown kind"));
    QByteArray value;
    value.reserve(length);
    // Each row of the chain holds the pointer to the next; no chain is longer than the file.
    for (uint64_t steps = 0; uint32_t(value.size()) < length; ++steps) {
        if (pointer == 0 || steps > uint64_t(m_count) * kMaxRowsPerPage)
            failRead(what + QStringLiteral(" is cut short"));
        const QByteArrayView row = rowBytes(pointer, what);
        if (row.size() < 4)
            failRead(what + QStringLiteral(" is damaged"));
        pointer = get32(reinterpret_cast<const unsigned char *>(row.data()));
        value.append(row.sliced(4).first(std::min<qsizetype>(row.size() - 4, length - value.size())));
    }
    return value;
}

}
