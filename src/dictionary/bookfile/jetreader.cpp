#include "dictionary/bookfile/jetreader.h"

#include "text/codepage.h"
#include "dictionary/bookfile/jetformat.h"
#include "dictionary/bookfile/jettext.h"

#include <mdbtools.h>

#include <array>
#include <cstring>

namespace somnar::jet {
namespace {

constexpr uint32_t kCatalogPage = 2;
constexpr int32_t kTableObjectType = 1;

[[noreturn]] void fail(const QString &what) { failRead(what); }

// The Windows-1251 byte of every UTF-16 unit, -1 where there is none.
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

bool isNumber(uint8_t type) { return type == kTypeLong || type == kTypeInt || type == kTypeByte; }

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
    explicit Impl(QByteArray image) : pages(std::move(image)) {}

    PageImage pages;
    MdbHandle *mdb = nullptr;
    std::vector<std::pair<QString, uint32_t>> tables;   // name, definition page

    Impl(const Impl &) = delete;
    Impl &operator=(const Impl &) = delete;
    ~Impl()
    {
        if (mdb)
            mdb_close(mdb);
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
        pages.checkDefinition(definition, tableName);
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
                    cell.stored = pages.longValue(bytes, field.siz,
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
                pages.checkPage(target, kPageData, QStringLiteral("a moved row of table %1").arg(tableName));
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

Reader::Reader(QByteArray image) : d(std::make_unique<Impl>(std::move(image)))
{
    // libmdb reads the image through a memory stream and never writes to it.
    d->mdb = mdb_open_buffer(d->pages.bytes().data(), size_t(d->pages.bytes().size()), MDB_NOFLAGS);
    if (!d->mdb)
        fail(QStringLiteral("the database cannot be opened"));
    d->readCatalogue();
}

Reader::~Reader() = default;

qsizetype Reader::readRows(const QString &table, const QStringList &columns, const RowVisitor &visit)
{
    return d->readRows(d->definitionPage(table), table, columns, visit);
}

}
