#include "dictionary/bookfile/jetreader.h"

#include "article/codepage.h"
#include "dictionary/bookfile/jetformat.h"
#include "dictionary/bookfile/jettext.h"

#include <mdbtools.h>

#include <array>
#include <cstring>
#include <unordered_set>

namespace somnar::jet {
namespace {

constexpr uint32_t kCatalogPage = 2;
constexpr int kMaxColumns = 255;
constexpr uint32_t kMaxIndexes = 255;
constexpr int32_t kTableObjectType = 1;
constexpr uint8_t kMapInline = 0;
constexpr uint8_t kMapPages = 1;
constexpr uint8_t kPageUsageMap = 0x05;

[[noreturn]] void fail(const QString &what) { throw ReadError(what.toStdString()); }

struct RowSpan {
    int start = 0;
    int end = 0;
    bool deleted = false;
    bool overflow = false;
};

// The bounds of one row of a data page, checked against the page and its offset table.
RowSpan rowSpan(const unsigned char *page, uint32_t pageNumber, int row)
{
    const int rows = get16(page + kDataRowCount);
    const int tableEnd = kDataRowTable + 2 * rows;
    if (tableEnd > kPageSize || row >= rows)
        fail(QStringLiteral("page %1 has a damaged row table").arg(pageNumber));
    const uint16_t raw = get16(page + kDataRowTable + 2 * row);
    RowSpan span;
    span.deleted = raw & 0x8000;
    span.overflow = raw & 0x4000;
    span.start = raw & kRowOffsetMask;
    span.end = row == 0 ? kPageSize : get16(page + kDataRowTable + 2 * (row - 1)) & kRowOffsetMask;
    if (!span.deleted && (span.start < tableEnd || span.start >= span.end || span.end > kPageSize))
        fail(QStringLiteral("page %1 row %2 is damaged").arg(pageNumber).arg(row));
    return span;
}

// Byte -> Windows-1251 code for every UTF-16 unit, -1 where there is none.
const std::array<int16_t, 65536> &cp1251Bytes()
{
    static const auto table = [] {
        std::array<int16_t, 65536> t;
        t.fill(-1);
        for (int b = 0; b < 256; ++b)
            t[cp1251ToUnicode(uint8_t(b))] = int16_t(b);
        return t;
    }();
    return table;
}

bool isNumber(uint8_t type) { return type == kTypeLong || type == kTypeInt || type == 0x02; }

int64_t cellNumber(const Cell &cell)
{
    const auto *p = reinterpret_cast<const unsigned char *>(cell.stored.constData());
    switch (cell.stored.size()) {
    case 1: return p[0];
    case 2: return int16_t(get16(p));
    case 4: return int32_t(get32(p));
    default: return 0;
    }
}

struct TableDefinitionDeleter {
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};

}

QString cellText(const Cell &cell)
{
    if (cell.type == kTypeOle)
        return decodeCp1251(cell.stored);
    if (isNumber(cell.type))
        return QString::number(cellNumber(cell));
    return decodeJetText(cell.stored);
}

QByteArray cellBytes(const Cell &cell)
{
    if (cell.type == kTypeOle)
        return cell.stored;
    const QString text = decodeJetText(cell.stored);
    const auto &table = cp1251Bytes();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar ch : text) {
        const int16_t b = table[ch.unicode()];
        if (b < 0)
            fail(QStringLiteral("character U+%1 has no Windows-1251 byte").arg(ch.unicode(), 4, 16, QLatin1Char('0')));
        *out++ = char(b);
    }
    return bytes;
}

struct Reader::Impl {
    QByteArray image;
    uint32_t pageCount = 0;
    MdbHandle *mdb = nullptr;
    std::vector<std::pair<QString, uint32_t>> tables;   // name, definition page

    Impl() = default;
    Impl(const Impl &) = delete;
    Impl &operator=(const Impl &) = delete;
    ~Impl()
    {
        if (mdb)
            mdb_close(mdb);
    }

    const unsigned char *page(uint32_t n) const
    {
        return reinterpret_cast<const unsigned char *>(image.constData()) + qsizetype(n) * kPageSize;
    }

    void checkPage(uint32_t n, uint8_t type, const QString &what) const
    {
        if (n >= pageCount)
            fail(QStringLiteral("%1 points past the end of the file (page %2)").arg(what).arg(n));
        if (page(n)[0] != type)
            fail(QStringLiteral("%1: page %2 is not of the expected kind").arg(what).arg(n));
    }

    QByteArrayView rowBytes(uint32_t pointer, const QString &what) const
    {
        const uint32_t pageNumber = pointer >> 8;
        checkPage(pageNumber, kPageData, what);
        const RowSpan span = rowSpan(page(pageNumber), pageNumber, int(pointer & 0xFF));
        if (span.deleted)
            fail(QStringLiteral("%1 points to a deleted row").arg(what));
        return QByteArrayView(page(pageNumber) + span.start, span.end - span.start);
    }

    // Every page the usage map lists must be a data page of the table: libmdb passes over
    // any other page with a warning, and the rows on it would be lost without a word.
    void checkListedPage(uint64_t n, uint32_t definition, const QString &what) const
    {
        if (n >= pageCount)
            fail(what + QStringLiteral(" names a page past the end of the file"));
        const unsigned char *p = page(uint32_t(n));
        if (n == 0 || p[0] != kPageData || get32(p + kDataOwner) != definition)
            fail(what + QStringLiteral(" names page %1, which is not one of the table's data pages").arg(n));
    }

    void checkUsageMap(uint32_t pointer, uint32_t definition, const QString &table) const
    {
        const QString what = QStringLiteral("usage map of table %1").arg(table);
        const QByteArrayView map = rowBytes(pointer, what);
        const auto *m = reinterpret_cast<const unsigned char *>(map.data());
        if (map.isEmpty())
            fail(what + QStringLiteral(" is empty"));
        if (m[0] == kMapInline) {
            if (map.size() < 5)
                fail(what + QStringLiteral(" is damaged"));
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
            fail(what + QStringLiteral(" is of an unknown kind"));
        }
    }

    // Everything libmdb reads of a table definition, before it reads it.
    void checkDefinition(uint32_t first, const QString &table) const
    {
        const QString what = QStringLiteral("definition of table %1").arg(table);
        std::unordered_set<uint32_t> seen;
        for (uint32_t n = first; n != 0; n = get32(page(n) + 4)) {
            checkPage(n, kPageTableDefinition, what);
            if (!seen.insert(n).second)
                fail(what + QStringLiteral(" runs in a circle"));
        }
        const unsigned char *p = page(first);
        const int columns = get16(p + kTableColumnCount);
        if (columns > kMaxColumns || get16(p + kTableVarColumnCount) > columns
            || get32(p + kTableIndexCount) > kMaxIndexes || get32(p + kTableRealIndexCount) > kMaxIndexes)
            fail(what + QStringLiteral(" is damaged"));
        const qsizetype needed = kTableColumnsStart + qsizetype(get32(p + kTableRealIndexCount)) * kRealIndexEntrySize
                                 + qsizetype(columns) * (kColumnEntrySize + 2);
        if (needed > qsizetype(seen.size()) * (kPageSize - 8))
            fail(what + QStringLiteral(" is cut short"));
        rowBytes(get32(p + kTableFreeMap), QStringLiteral("free-space map of table %1").arg(table));
        checkUsageMap(get32(p + kTableUsageMap), first, table);
    }

    QByteArray longValue(const unsigned char *h, int size, const QString &what) const
    {
        if (size == 0)
            return {};
        if (size < kMemoHeaderSize)
            fail(what + QStringLiteral(" is damaged"));
        const uint32_t length = get24(h);
        const uint8_t flags = h[3];
        if (flags & kMemoInline) {
            if (length > uint32_t(size - kMemoHeaderSize))
                fail(what + QStringLiteral(" is longer than its row"));
            return QByteArray(reinterpret_cast<const char *>(h + kMemoHeaderSize), length);
        }
        uint32_t pointer = get32(h + 4);
        if (flags & kMemoSinglePage) {
            const QByteArrayView row = rowBytes(pointer, what);
            if (length > uint32_t(row.size()))
                fail(what + QStringLiteral(" is longer than its page"));
            return row.first(length).toByteArray();
        }
        if (flags != 0)
            fail(what + QStringLiteral(" is of an unknown kind"));
        QByteArray value;
        value.reserve(length);
        // Each row of the chain holds the pointer to the next; no chain is longer than the file.
        for (uint64_t steps = 0; uint32_t(value.size()) < length; ++steps) {
            if (pointer == 0 || steps > uint64_t(pageCount) * kMaxRowsPerPage)
                fail(what + QStringLiteral(" is cut short"));
            const QByteArrayView row = rowBytes(pointer, what);
            if (row.size() < 4)
                fail(what + QStringLiteral(" is damaged"));
            pointer = get32(reinterpret_cast<const unsigned char *>(row.data()));
            value.append(row.sliced(4).first(std::min<qsizetype>(row.size() - 4, length - value.size())));
        }
        return value;
    }

    uint32_t definitionPage(const QString &table) const
    {
        for (const auto &[name, pageNumber] : tables) {
            if (name.compare(table, Qt::CaseInsensitive) == 0)
                return pageNumber;
        }
        fail(QStringLiteral("there is no table %1").arg(table));
    }

    qsizetype readRows(uint32_t definition, const QString &tableName, const QStringList &columnNames,
                       const RowVisitor &visit)
    {
        checkDefinition(definition, tableName);
        MdbCatalogEntry entry;
        std::memset(&entry, 0, sizeof entry);
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = definition;
        std::unique_ptr<MdbTableDef, TableDefinitionDeleter> table(mdb_read_table(&entry));
        if (!table || !mdb_read_columns(table.get()))
            fail(QStringLiteral("the definition of table %1 cannot be read").arg(tableName));

        std::vector<int> wanted;
        for (const QString &name : columnNames) {
            int found = -1;
            for (unsigned i = 0; i < table->num_cols; ++i) {
                const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
                if (QString::fromUtf8(column->name).compare(name, Qt::CaseInsensitive) == 0)
                    found = int(i);
            }
            if (found < 0)
                fail(QStringLiteral("table %1 has no field %2").arg(tableName, name));
            wanted.push_back(found);
        }

        std::vector<MdbField> fields(table->num_cols);
        std::vector<Cell> cells(wanted.size());
        qsizetype count = 0;
        const auto visitRow = [&](uint32_t pageNumber, int start, int end) {
            if (mdb_crack_row(table.get(), start, size_t(end - start), fields.data()) < 0)
                fail(QStringLiteral("table %1: a row on page %2 is damaged").arg(tableName).arg(pageNumber));
            for (size_t k = 0; k < wanted.size(); ++k) {
                const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, wanted[k]));
                const MdbField &field = fields[size_t(wanted[k])];
                Cell &cell = cells[k];
                cell.type = uint8_t(column->col_type);
                cell.null = field.is_null;
                cell.stored.clear();
                if (cell.null)
                    continue;
                if (field.start < start || field.siz < 0 || field.start + field.siz > end)
                    fail(QStringLiteral("table %1: a row on page %2 is damaged").arg(tableName).arg(pageNumber));
                const unsigned char *bytes = mdb->pg_buf + field.start;
                if (cell.type == kTypeMemo || cell.type == kTypeOle) {
                    cell.stored = longValue(bytes, field.siz,
                                            QStringLiteral("table %1, field %2, row %3")
                                                .arg(tableName, columnNames[qsizetype(k)]).arg(count + 1));
                } else {
                    cell.stored = QByteArray(reinterpret_cast<const char *>(bytes), field.siz);
                }
            }
            ++count;
            visit(cells);
        };

        mdb_rewind_table(table.get());
        while (mdb_read_next_dpg(table.get())) {
            const uint32_t pageNumber = table->cur_phys_pg;
            std::vector<uint32_t> moved;
            const int rows = get16(mdb->pg_buf + kDataRowCount);
            for (int r = 0; r < rows; ++r) {
                const RowSpan span = rowSpan(mdb->pg_buf, pageNumber, r);
                if (span.deleted)
                    continue;
                if (span.overflow) {
                    if (span.end - span.start < 4)
                        fail(QStringLiteral("page %1 row %2 is damaged").arg(pageNumber).arg(r));
                    moved.push_back(get32(mdb->pg_buf + span.start));
                    continue;
                }
                visitRow(pageNumber, span.start, span.end);
            }
            // A row that outgrew its page lives elsewhere, marked deleted there.
            for (uint32_t pointer : moved) {
                const uint32_t target = pointer >> 8;
                checkPage(target, kPageData, QStringLiteral("a moved row of table %1").arg(tableName));
                if (!mdb_read_pg(mdb, target))
                    fail(QStringLiteral("page %1 cannot be read").arg(target));
                const RowSpan span = rowSpan(mdb->pg_buf, target, int(pointer & 0xFF));
                if (span.start < kDataRowTable || span.start >= span.end)
                    fail(QStringLiteral("page %1 is damaged").arg(target));
                visitRow(target, span.start, span.end);
            }
        }
        return count;
    }

    void readCatalogue()
    {
        tables.clear();
        readRows(kCatalogPage, QStringLiteral("MSysObjects"),
                 {QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Type")},
                 [this](const std::vector<Cell> &c) {
                     if (c[0].null || c[1].null || c[2].null || cellNumber(c[2]) != kTableObjectType)
                         return;
                     tables.emplace_back(cellText(c[1]), uint32_t(cellNumber(c[0]) & 0xFFFFFF));
                 });
    }
};

Reader::Reader(QByteArray image) : d(std::make_unique<Impl>())
{
    if (image.size() < 3 * kPageSize)
        fail(QStringLiteral("the file is too short to be a database"));
    if (image.size() % kPageSize != 0)
        fail(QStringLiteral("the file is cut short (its size is not a whole number of pages)"));
    d->image = std::move(image);
    d->pageCount = uint32_t(d->image.size() / kPageSize);
    const unsigned char *start = d->page(0);
    if (std::memcmp(start, kJetStart, 0x14) != 0 || start[0x14] < 1 || start[0x14] > 6)
        fail(QStringLiteral("the file is not a Jet 4 database"));
    // A database key means libmdb would decrypt every page it reads, and every check made
    // here on the plain pages would be worth nothing: books are never encrypted.
    unsigned char header[kPageSize];
    std::memcpy(header, start, kPageSize);
    maskDatabaseHeader(header);
    if (get32(header + kDatabaseKey) != 0)
        fail(QStringLiteral("the database is encrypted or its header is damaged"));
    // libmdb reads the image through a memory stream and never writes to it.
    d->mdb = mdb_open_buffer(d->image.data(), size_t(d->image.size()), MDB_NOFLAGS);
    if (!d->mdb)
        fail(QStringLiteral("the database cannot be opened"));
    d->readCatalogue();
}

Reader::~Reader() = default;

bool Reader::hasTable(const QString &name) const
{
    for (const auto &entry : d->tables) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

qsizetype Reader::readRows(const QString &table, const QStringList &columns, const RowVisitor &visit)
{
    return d->readRows(d->definitionPage(table), table, columns, visit);
}

}
