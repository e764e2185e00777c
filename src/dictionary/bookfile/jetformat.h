#pragma once

#include <cstdint>
#include <cstring>

namespace somnar::jet {

// The few facts of the Jet 4 file format that both the book reader and the book writer use.

inline constexpr int kPageSize = 4096;
inline constexpr int kMarkerLength = 22;

// The first 22 bytes of every Jet 4 file: version 1 at offset 0x14.
inline constexpr unsigned char kJetStart[kMarkerLength] = {
    0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n', 'd', 'a', 'r', 'd', ' ',
    'J', 'e', 't', ' ', 'D', 'B', 0x00, 0x01, 0x00};

inline constexpr uint8_t kPageDatabase = 0x00;
inline constexpr uint8_t kPageData = 0x01;
inline constexpr uint8_t kPageTableDefinition = 0x02;

// Data and long-value pages: header fields and the row offset table.
inline constexpr int kDataOwner = 4;        // table definition page, or "LVAL"
inline constexpr int kDataRowCount = 12;
inline constexpr int kDataRowTable = 14;
inline constexpr uint16_t kRowOffsetMask = 0x1FFF;
inline constexpr uint16_t kRowFlagsMask = 0xC000;   // deleted or moved rows
inline constexpr int kMaxRowsPerPage = 255;

// Table definition header.
inline constexpr int kTableRowCount = 16;
inline constexpr int kTableType = 40;
inline constexpr int kTableVarColumnCount = 43;
inline constexpr int kTableColumnCount = 45;
inline constexpr int kTableIndexCount = 47;
inline constexpr int kTableRealIndexCount = 51;
inline constexpr int kTableUsageMap = 55;
inline constexpr int kTableFreeMap = 59;
inline constexpr int kTableColumnsStart = 63;
inline constexpr int kRealIndexEntrySize = 12;
inline constexpr int kColumnEntrySize = 25;

// Column types used by books.
inline constexpr uint8_t kTypeByte = 0x02;
inline constexpr uint8_t kTypeInt = 0x03;
inline constexpr uint8_t kTypeLong = 0x04;
inline constexpr uint8_t kTypeText = 0x0A;
inline constexpr uint8_t kTypeOle = 0x0B;
inline constexpr uint8_t kTypeMemo = 0x0C;

// Long values: a 12-byte header in the row (3-byte length, flags, page/row pointer).
inline constexpr int kMemoHeaderSize = 12;
inline constexpr uint8_t kMemoInline = 0x80;
inline constexpr uint8_t kMemoSinglePage = 0x40;
inline constexpr uint32_t kMaxMemoLength = 0xFFFFFF;

inline uint16_t get16(const unsigned char *p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t get24(const unsigned char *p) { return uint32_t(p[0] | (p[1] << 8) | (p[2] << 16)); }
inline uint32_t get32(const unsigned char *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void put16(unsigned char *p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void put32(unsigned char *p, uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

// Page 0 bytes 0x18..0x97 are masked with RC4 under a fixed key.
inline constexpr int kHeaderMaskStart = 0x18;
inline constexpr int kHeaderMaskLength = 128;
inline constexpr int kDatabaseKey = 0x3E;   // in the masked part; 0 unless encrypted
void maskDatabaseHeader(unsigned char *page0);

}
