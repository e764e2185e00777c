#include "dictionary/bookfile/jetpagefile.h"

#include <algorithm>
#include <cstring>

namespace somnar::jet {
namespace {

constexpr int kChainChunk = kMaxRowSize - 4;   // after the next-row pointer
constexpr int kMapHeader = 5;                  // type byte and first page

}

uint32_t PageFile::add()
{
    m_image.append(QByteArray(kPageSize, '\0'));
    return uint32_t(m_image.size() / kPageSize - 1);
}

namespace rowpage {

void init(unsigned char *p, const unsigned char owner[4])
{
    p[0] = kPageData;
    p[1] = 0x01;
    put16(p + 2, kPageSize - kDataRowTable);
    std::memcpy(p + kDataOwner, owner, 4);
}

bool fits(const unsigned char *p, qsizetype size)
{
    return get16(p + kDataRowCount) < kMaxRowsPerPage && size + 2 <= get16(p + 2);
}

int add(unsigned char *p, QByteArrayView row)
{
    const int rows = get16(p + kDataRowCount);
    const int end = rows == 0 ? kPageSize : get16(p + kDataRowTable + 2 * (rows - 1));
    const int start = end - int(row.size());
    std::memcpy(p + start, row.data(), size_t(row.size()));
    put16(p + kDataRowTable + 2 * rows, uint32_t(start));
    put16(p + kDataRowCount, uint32_t(rows + 1));
    put16(p + 2, uint32_t(get16(p + 2) - row.size() - 2));
    return rows;
}

int rowStart(const unsigned char *p, int row) { return get16(p + kDataRowTable + 2 * row); }

}

uint32_t LongValueWriter::add(QByteArrayView row)
{
    if (m_page == 0 || !rowpage::fits(m_file.page(m_page), row.size())) {
        m_page = m_file.add();
        static constexpr unsigned char owner[4] = {'L', 'V', 'A', 'L'};
        rowpage::init(m_file.page(m_page), owner);
    }
    return pageRow(m_page, rowpage::add(m_file.page(m_page), row));
}

uint32_t LongValueWriter::store(const QByteArray &bytes)
{
    if (bytes.size() <= kMaxRowSize)
        return add(bytes);
    uint32_t next = 0;
    qsizetype chunks = (bytes.size() + kChainChunk - 1) / kChainChunk;
    for (qsizetype k = chunks - 1; k >= 0; --k) {
        QByteArray row(4, '\0');
        put32(reinterpret_cast<unsigned char *>(row.data()), next);
        row.append(bytes.mid(k * kChainChunk, kChainChunk));
        next = add(row);
    }
    return next;
}

QByteArray usageMap(const std::vector<uint32_t> &pages, int minSize)
{
    const uint32_t first = pages.empty() ? 0 : pages.front();
    const uint32_t span = pages.empty() ? 0 : pages.back() - first + 1;
    QByteArray map(std::max<qsizetype>(minSize, kMapHeader + (span + 7) / 8), '\0');
    auto *m = reinterpret_cast<unsigned char *>(map.data());
    put32(m + 1, first);
    for (uint32_t page : pages)
        m[kMapHeader + (page - first) / 8] |= uint8_t(1 << ((page - first) % 8));
    return map;
}

}
