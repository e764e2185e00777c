#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace somnar::jet {

// A failure to read the database image; the message says what is wrong, not which file.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void failRead(const QString &what);

struct RowSpan {
    int start = 0;
    int end = 0;
    bool deleted = false;
    bool overflow = false;   // the row holds a pointer to where it lives now
};

// The bounds of one row of a data page, checked against the page and its offset table.
RowSpan rowSpan(const unsigned char *page, uint32_t pageNumber, int row);

// A database file image whose structures are checked before anything relies on them: this
// reader, and above all libmdb, which trusts every pointer it is given.
class PageImage {
public:
    // Checks the size, the Jet 4 start and the database key. Throws ReadError.
    explicit PageImage(QByteArray image);

    QByteArray &bytes() { return m_image; }
    uint32_t count() const { return m_count; }
    const unsigned char *page(uint32_t n) const
    {
        return reinterpret_cast<const unsigned char *>(m_image.constData()) + qsizetype(n) * kPageBytes;
    }

    void checkPage(uint32_t n, uint8_t type, const QString &what) const;
    // The bytes of the row a page/row pointer names.
    QByteArrayView rowBytes(uint32_t pointer, const QString &what) const;
    // The definition pages, column and index counts and both page maps of a table.
    void checkDefinition(uint32_t first, const QString &table) const;
    // A long value from its 12-byte field header: inline, on one page or along a chain.
    QByteArray longValue(const unsigned char *header, int size, const QString &what) const;

private:
    static constexpr qsizetype kPageBytes = 4096;

    void checkListedPage(uint64_t n, uint32_t definition, const QString &what) const;
    void checkUsageMap(uint32_t pointer, uint32_t definition, const QString &table) const;

    QByteArray m_image;
    uint32_t m_count = 0;
};

}
