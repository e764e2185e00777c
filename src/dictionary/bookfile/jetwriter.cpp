#include "dictionary/bookfile/jetwriter.h"

#include "dictionary/bookfile/jetpagefile.h"
#include "dictionary/bookfile/jettext.h"

#include <cstring>
#include <stdexcept>

namespace somnar::jet {

Value Value::ofText(const QString &text)
{
    Value v;
    v.null = false;
    v.text = text;
    return v;
}

Value Value::ofNumber(int32_t number)
{
    Value v;
    v.null = false;
    v.number = number;
    return v;
}

namespace {

constexpr int kInlineMemoLimit = 1024;
constexpr int kCompressedMemoLimit = 1024;   // characters, as the engine does
constexpr uint32_t kGlobalMapPage = 1;
constexpr uint32_t kCatalogPage = 2;
constexpr uint32_t kMapsPage = 3;
constexpr int kMinMapSize = 64;
constexpr uint32_t kSystemObjectFlags = 0x80000002;
constexpr uint16_t kGeneralSortOrder = 0x0409;

bool isFixed(uint8_t type) { return type == kTypeLong || type == kTypeInt; }
int fixedSize(uint8_t type) { return type == kTypeLong ? 4 : 2; }

// Where a column lives in a row.
struct ColumnPlace {
    int fixedOffset = 0;
    int varIndex = 0;
};

struct TableLayout {
    std::vector<ColumnPlace> places;
    int varCount = 0;
    int fixedSize = 0;
};

TableLayout layoutOf(const Table &table)
{
    TableLayout layout;
    for (const Column &c : table.columns) {
        ColumnPlace place;
        if (isFixed(c.type)) {
            place.fixedOffset = layout.fixedSize;
            layout.fixedSize += fixedSize(c.type);
        } else {
            place.varIndex = layout.varCount++;
        }
        layout.places.push_back(place);
    }
    return layout;
}

// A long value kept outside its row, waiting for a page; its pointer is patched in later.
struct PendingLongValue {
    uint32_t page = 0;
    int pointerOffset = 0;   // of the page/row pointer within the page
    QByteArray bytes;
};

struct BuiltRow {
    QByteArray bytes;
    std::vector<std::pair<int, QByteArray>> longValues;   // pointer offset in row, value
};

[[noreturn]] void fail(const Table &table, size_t row, const Column &column, const QString &why)
{
    throw std::invalid_argument(QStringLiteral("table %1, row %2, field %3: %4")
                                    .arg(table.name).arg(row + 1).arg(column.name, why).toStdString());
}

QByteArray longValueField(const QByteArray &stored, std::vector<std::pair<int, QByteArray>> &outside, int fieldStart)
{
    QByteArray field(kMemoHeaderSize, '\0');
    auto *h = reinterpret_cast<unsigned char *>(field.data());
    put32(h, uint32_t(stored.size()));
    if (stored.size() <= kInlineMemoLimit) {
        h[3] = kMemoInline;
        field.append(stored);
    } else {
        h[3] = stored.size() <= kMaxRowSize ? kMemoSinglePage : 0x00;
        outside.emplace_back(fieldStart + 4, stored);
    }
    return field;
}

BuiltRow buildRow(const Table &table, const TableLayout &layout, size_t rowIndex)
{
    const std::vector<Value> &values = table.rows[rowIndex];
    if (values.size() != table.columns.size())
        throw std::invalid_argument(QStringLiteral("table %1, row %2: wrong number of values")
                                        .arg(table.name).arg(rowIndex + 1).toStdString());
    const int columnCount = int(table.columns.size());
    BuiltRow built;
    QByteArray &row = built.bytes;
    row.resize(2 + layout.fixedSize, '\0');
    put16(reinterpret_cast<unsigned char *>(row.data()), uint32_t(columnCount));
    QByteArray nullMask((columnCount + 7) / 8, '\0');
    std::vector<int> varOffsets(size_t(layout.varCount) + 1, 0);

    for (int i = 0; i < columnCount; ++i) {
        const Column &column = table.columns[size_t(i)];
        const Value &value = values[size_t(i)];
        if (!value.null)
            nullMask[i / 8] = char(nullMask[i / 8] | (1 << (i % 8)));
        if (isFixed(column.type) && !value.null) {
            auto *p = reinterpret_cast<unsigned char *>(row.data()) + 2 + layout.places[size_t(i)].fixedOffset;
            if (column.type == kTypeLong)
                put32(p, uint32_t(value.number));
            else
                put16(p, uint32_t(value.number));
        }
    }
    // Variable columns follow in the order of their variable index, which is column order.
    for (int i = 0; i < columnCount; ++i) {
        const Column &column = table.columns[size_t(i)];
        if (isFixed(column.type))
            continue;
        const Value &value = values[size_t(i)];
        varOffsets[size_t(layout.places[size_t(i)].varIndex)] = int(row.size());
        if (value.null)
            continue;
        if (column.type == kTypeText) {
            if (value.text.size() > column.maxChars)
                fail(table, rowIndex, column, QStringLiteral("longer than %1 characters").arg(column.maxChars));
            row.append(encodeJetText(value.text, true));
            continue;
        }
        const QByteArray stored = column.type == kTypeOle
            ? value.bytes
            : encodeJetText(value.text, value.text.size() <= kCompressedMemoLimit);
        if (stored.size() > qsizetype(kMaxMemoLength))
            fail(table, rowIndex, column, QStringLiteral("value too long"));
        row.append(longValueField(stored, built.longValues, int(row.size())));
    }
    varOffsets[size_t(layout.varCount)] = int(row.size());

    if (layout.varCount > 0) {
        QByteArray tail(2 * (layout.varCount + 2), '\0');
        auto *t = reinterpret_cast<unsigned char *>(tail.data());
        // End of data first, then the offsets in reverse, then their count.
        for (int k = layout.varCount; k >= 0; --k, t += 2)
            put16(t, uint32_t(varOffsets[size_t(k)]));
        put16(t, uint32_t(layout.varCount));
        row.append(tail);
    }
    row.append(nullMask);
    if (row.size() > kMaxRowSize)
        throw std::invalid_argument(QStringLiteral("table %1, row %2: row too long")
                                        .arg(table.name).arg(rowIndex + 1).toStdString());
    return built;
}

struct PlacedTable {
    uint32_t definitionPage = 0;
    std::vector<uint32_t> dataPages;
};

void placeRows(PageFile &file, const Table &table, PlacedTable &placed, std::vector<PendingLongValue> &pending)
{
    const TableLayout layout = layoutOf(table);
    unsigned char owner[4];
    put32(owner, placed.definitionPage);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        BuiltRow built = buildRow(table, layout, r);
        if (placed.dataPages.empty() || !rowpage::fits(file.page(placed.dataPages.back()), built.bytes.size())) {
            placed.dataPages.push_back(file.add());
            rowpage::init(file.page(placed.dataPages.back()), owner);
        }
        const uint32_t page = placed.dataPages.back();
        const int row = rowpage::add(file.page(page), built.bytes);
        const int start = rowpage::rowStart(file.page(page), row);
        for (auto &[offset, bytes] : built.longValues)
            pending.push_back({page, start + offset, std::move(bytes)});
    }
}

void writeDefinition(unsigned char *p, const Table &table, uint32_t usageRow, uint32_t freeRow)
{
    const TableLayout layout = layoutOf(table);
    const int columnCount = int(table.columns.size());
    QByteArray d(kTableColumnsStart, '\0');
    auto *h = reinterpret_cast<unsigned char *>(d.data());
    h[0] = kPageTableDefinition;
    h[1] = 0x01;
    put32(h + kTableRowCount, uint32_t(table.rows.size()));
    h[kTableType] = table.system ? 0x53 : 0x4E;
    put16(h + kTableType + 1, uint32_t(columnCount));
    put16(h + kTableVarColumnCount, uint32_t(layout.varCount));
    put16(h + kTableColumnCount, uint32_t(columnCount));
    put32(h + kTableUsageMap, usageRow);
    put32(h + kTableFreeMap, freeRow);

    for (int i = 0; i < columnCount; ++i) {
        const Column &column = table.columns[size_t(i)];
        unsigned char e[kColumnEntrySize] = {};
        e[0] = column.type;
        put16(e + 5, uint32_t(i));
        put16(e + 7, uint32_t(layout.places[size_t(i)].varIndex));
        put16(e + 9, uint32_t(i));
        const bool text = column.type == kTypeText || column.type == kTypeMemo;
        if (text)
            put16(e + 11, kGeneralSortOrder);
        e[15] = uint8_t(0x02 | (isFixed(column.type) ? 0x01 : 0x00));
        e[16] = text ? 0x01 : 0x00;   // compressed text allowed
        put16(e + 21, uint32_t(layout.places[size_t(i)].fixedOffset));
        const int length = isFixed(column.type) ? fixedSize(column.type)
                           : column.type == kTypeText ? 2 * column.maxChars : 0;
        put16(e + 23, uint32_t(length));
        d.append(reinterpret_cast<const char *>(e), kColumnEntrySize);
    }
    for (const Column &column : table.columns) {
        const QByteArray name = encodeJetText(column.name, false);
        unsigned char len[2];
        put16(len, uint32_t(name.size()));
        d.append(reinterpret_cast<const char *>(len), 2);
        d.append(name);
    }
    d.append("\xFF\xFF", 2);   // no per-column usage maps follow
    if (d.size() > kPageSize)
        throw std::invalid_argument(QStringLiteral("table %1: definition too long").arg(table.name).toStdString());
    h = reinterpret_cast<unsigned char *>(d.data());
    put16(h + 2, uint32_t(kPageSize - d.size() - 8));
    put32(h + 8, uint32_t(d.size()));
    std::memcpy(p, d.constData(), size_t(d.size()));
}

void writeDatabaseHeader(unsigned char *p)
{
    std::memcpy(p, kJetStart, kMarkerLength);
    put16(p + 0x3C, 1251);    // code page
    put16(p + 0x6E, 0x0419);  // sort order
    maskDatabaseHeader(p);
}

Table catalogue(const std::vector<Table> &tables, const std::vector<PlacedTable> &placed)
{
    Table t;
    t.name = QStringLiteral("MSysObjects");
    t.system = true;
    t.columns = {{QStringLiteral("Id"), kTypeLong, 0},
                 {QStringLiteral("Name"), kTypeText, 255},
                 {QStringLiteral("Type"), kTypeInt, 0},
                 {QStringLiteral("Flags"), kTypeLong, 0},
                 {QStringLiteral("LvProp"), kTypeOle, 0}};
    constexpr int32_t tableType = 1;
    t.rows.push_back({Value::ofNumber(int32_t(kCatalogPage)), Value::ofText(t.name), Value::ofNumber(tableType),
                      Value::ofNumber(int32_t(kSystemObjectFlags)), Value::nothing()});
    for (size_t i = 0; i < tables.size(); ++i) {
        t.rows.push_back({Value::ofNumber(int32_t(placed[i + 1].definitionPage)), Value::ofText(tables[i].name),
                          Value::ofNumber(tableType), Value::ofNumber(0), Value::nothing()});
    }
    return t;
}

}

QByteArray buildDatabase(const std::vector<Table> &tables)
{
    PageFile file;
    for (uint32_t p = 0; p <= kMapsPage; ++p)
        file.add();

    // The catalogue first, then the given tables.
    std::vector<PlacedTable> placed(tables.size() + 1);
    placed[0].definitionPage = kCatalogPage;
    for (size_t i = 0; i < tables.size(); ++i)
        placed[i + 1].definitionPage = file.add();
    std::vector<Table> all;
    all.reserve(tables.size() + 1);
    all.push_back(catalogue(tables, placed));
    all.insert(all.end(), tables.begin(), tables.end());

    std::vector<PendingLongValue> pending;
    for (size_t i = 0; i < all.size(); ++i)
        placeRows(file, all[i], placed[i], pending);

    LongValueWriter longValues(file);
    for (const PendingLongValue &value : pending) {
        // Storing may add pages and move the file, so the pointer is taken only afterwards.
        const uint32_t stored = longValues.store(value.bytes);
        put32(file.page(value.page) + value.pointerOffset, stored);
    }

    static constexpr unsigned char noOwner[4] = {};
    rowpage::init(file.page(kMapsPage), noOwner);
    for (size_t i = 0; i < all.size(); ++i) {
        const QByteArray used = usageMap(placed[i].dataPages, kMinMapSize);
        const QByteArray free = usageMap({}, kMinMapSize);
        unsigned char *maps = file.page(kMapsPage);
        if (!rowpage::fits(maps, used.size() + free.size() + 2))
            throw std::invalid_argument("database too large for its page maps");
        const int usedRow = rowpage::add(maps, used);
        const int freeRow = rowpage::add(maps, free);
        writeDefinition(file.page(placed[i].definitionPage), all[i], pageRow(kMapsPage, usedRow),
                        pageRow(kMapsPage, freeRow));
    }

    std::vector<uint32_t> everyPage(file.count());
    for (uint32_t p = 0; p < file.count(); ++p)
        everyPage[p] = p;
    const QByteArray globalMap = usageMap(everyPage, kMinMapSize);
    rowpage::init(file.page(kGlobalMapPage), noOwner);
    if (!rowpage::fits(file.page(kGlobalMapPage), globalMap.size()))
        throw std::invalid_argument("database too large for its page maps");
    rowpage::add(file.page(kGlobalMapPage), globalMap);

    writeDatabaseHeader(file.page(0));
    return file.image();
}

}
