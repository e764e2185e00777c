#pragma once

#include "dictionary/bookfile/jetformat.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace somnar::jet {

// Building blocks of the writer: a file of pages, pages of rows, long-value pages.

inline constexpr int kMaxRowSize = kPageSize - kDataRowTable - 2;   // a row alone on its page

inline uint32_t pageRow(uint32_t page, int row) { return (page << 8) | uint32_t(row); }

class PageFile {
public:
    uint32_t add();
    unsigned char *page(uint32_t n) { return reinterpret_cast<unsigned char *>(m_image.data()) + qsizetype(n) * kPageSize; }
    uint32_t count() const { return uint32_t(m_image.size() / kPageSize); }
    const QByteArray &image() const { return m_image; }

private:
    QByteArray m_image;
};

// A page of rows: the offset table grows from the header, the rows from the page end.
namespace rowpage {
void init(unsigned char *p, const unsigned char owner[4]);
bool fits(const unsigned char *p, qsizetype size);
int add(unsigned char *p, QByteArrayView row);   // returns the row number
int rowStart(const unsigned char *p, int row);
}

// Long values on pages of their own, after the data pages.
class LongValueWriter {
public:
    explicit LongValueWriter(PageFile &file) : m_file(file) {}

    uint32_t add(QByteArrayView row);
    // A value on one page, or a chain of rows each led by the pointer to the next; returns
    // the page/row pointer of its first row.
    uint32_t store(const QByteArray &bytes);

private:
    PageFile &m_file;
    uint32_t m_page = 0;
};

// A usage map of type 0 (first page and a bit per page) listing the given ascending pages.
QByteArray usageMap(const std::vector<uint32_t> &pages, int minSize);

}
