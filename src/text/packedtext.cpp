#include "text/packedtext.h"

#include "text/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace somnar {
namespace {

constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kFirstEntry = 258;
constexpr int kDictionarySize = 512;
constexpr int kCodeBits = 9;

// The stored bytes with the unstored leading 0x00 put back and padding behind, so that every
// whole code can be read as two bytes.
class CodeReader {
public:
    explicit CodeReader(QByteArrayView stored)
        : m_bytes(size_t(stored.size()) + 2, 0)
        , m_count((stored.size() + 1) * 8 / kCodeBits)
    {
        if (stored.size() > 0)
            std::memcpy(m_bytes.data() + 1, stored.data(), size_t(stored.size()));
    }

    qsizetype count() const { return m_count; }

    int code(qsizetype k) const
    {
        const qsizetype bit = k * kCodeBits;
        const uint8_t *at = m_bytes.data() + bit / 8;
        const unsigned pair = unsigned(at[0]) | (unsigned(at[1]) << 8);
        return int((pair >> (bit % 8)) & 0x1FF);
    }

private:
    std::vector<uint8_t> m_bytes;
    qsizetype m_count;
};

// A growable byte buffer with slack behind its end, so that short runs are copied as one
// fixed-size block.
class ByteBuffer {
public:
    static constexpr size_t kSlack = 16;

    explicit ByteBuffer(size_t capacity) { grow(capacity); }

    size_t size() const { return m_size; }
    uint8_t *data() { return m_data.get(); }
    const uint8_t *data() const { return m_data.get(); }
    uint8_t operator[](size_t i) const { return m_data[i]; }

    // Room for n more bytes (plus the slack); returns where they go.
    uint8_t *extend(size_t n)
    {
        if (m_size + n + kSlack > m_capacity)
            grow(std::max(m_capacity * 2, m_size + n + kSlack));
        uint8_t *at = m_data.get() + m_size;
        m_size += n;
        return at;
    }

private:
    void grow(size_t capacity)
    {
        auto bigger = std::make_unique<uint8_t[]>(capacity + kSlack);
        if (m_data)
            std::memcpy(bigger.get(), m_data.get(), m_size);
        m_data = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<uint8_t[]> m_data;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

// Decoder dictionary. Every entry is a run of bytes in one of two buffers: the output itself
// (an entry points at the latest place it was written, so entry + the next byte is usually
// the run one byte longer) or a side buffer holding the 256 single bytes and the few entries
// that do not lie in the output as a whole.
class Decoder {
public:
    explicit Decoder(qsizetype codeCount)
        : m_out(size_t(codeCount) * 4 + 64)
        , m_side(1024)
    {
        uint8_t *singles = m_side.extend(256);
        for (int b = 0; b < 256; ++b) {
            singles[b] = uint8_t(b);
            m_entries[size_t(b)] = {kInSide | uint32_t(b), 1};
        }
        reset();
    }

    void reset()
    {
        std::fill(m_entries.begin() + kClearCode, m_entries.end(), Entry{});
        m_nextFree = kFirstEntry;
    }

    bool empty(int code) const { return m_entries[size_t(code)].length == 0; }

    // Writes entry[code] at the end of the output; false when the output cap is hit.
    bool output(int code)
    {
        Entry &entry = m_entries[size_t(code)];
        const uint32_t at = uint32_t(m_out.size());
        if (!copyToOutput(entry))
            return false;
        entry.start = at;
        return true;
    }

    // The "code being defined" case: entry[prev] + its own first byte, written and kept.
    bool outputRepeat(int prev)
    {
        const Entry base = m_entries[size_t(prev)];
        m_pending = {};
        if (base.length == 0)
            return true;
        const uint32_t at = uint32_t(m_out.size());
        if (!copyToOutput(base))
            return false;
        const uint8_t first = m_out[at];
        *m_out.extend(1) = first;
        m_pending = {at, base.length + 1};
        return true;
    }

    // entry[prev] + first byte of entry[code], computed before the dictionary may reset.
    void prepareEntry(int prev, int code)
    {
        const Entry base = m_entries[size_t(prev)];
        const uint8_t byte = m_out[m_entries[size_t(code)].start];
        if (base.length == 0) {
            m_pending = {kInSide | byte, 1};
            return;
        }
        const ByteBuffer &buffer = (base.start & kInSide) ? m_side : m_out;
        const size_t end = size_t(base.start & ~kInSide) + base.length;
        if (end < buffer.size() && buffer[end] == byte) {
            m_pending = {base.start, base.length + 1};
            return;
        }
        m_pending = {};
        if (m_side.size() + base.length + 1 > size_t(kMaxUnpackedBytes))
            return;
        const uint32_t at = uint32_t(m_side.size());
        uint8_t *dst = m_side.extend(base.length + 1);
        std::memcpy(dst, bytes(base), base.length);
        dst[base.length] = byte;
        m_pending = {kInSide | at, base.length + 1};
    }

    void addPending()
    {
        if (m_nextFree == kDictionarySize)
            reset();
        m_entries[size_t(m_nextFree++)] = m_pending;
    }

    QByteArray take() const { return QByteArray(reinterpret_cast<const char *>(m_out.data()), qsizetype(m_out.size())); }

private:
    static constexpr uint32_t kInSide = 0x80000000u;

    struct Entry {
        uint32_t start = 0;  // position in the output, or in the side buffer with kInSide
        uint32_t length = 0;
    };

    const uint8_t *bytes(const Entry &e) const
    {
        return (e.start & kInSide) ? m_side.data() + (e.start & ~kInSide) : m_out.data() + e.start;
    }

    bool copyToOutput(const Entry &e)
    {
        if (m_out.size() + e.length > size_t(kMaxUnpackedBytes))
            return false;
        uint8_t *dst = m_out.extend(e.length);
        const uint8_t *src = bytes(e);
        if (e.length <= ByteBuffer::kSlack)
            std::memmove(dst, src, ByteBuffer::kSlack);
        else
            std::memcpy(dst, src, e.length);
        return true;
    }

    std::array<Entry, kDictionarySize> m_entries{};
    int m_nextFree = kFirstEntry;
    Entry m_pending;
    ByteBuffer m_out;
    ByteBuffer m_side;
};

}

QByteArray UnpackBytes(QByteArrayView stored)
{
    const CodeReader codes(stored);
    if (codes.count() < 2 || codes.code(0) != kClearCode)
        return {};

    Decoder decoder(codes.count());
    int prev = codes.code(1);
    if (!decoder.output(prev))
        return decoder.take();
    for (qsizetype k = 2; k < codes.count(); ++k) {
        const int code = codes.code(k);
        if (code == kClearCode) {
            decoder.reset();
            prev = kClearCode;
            continue;
        }
        if (code == kEndCode)
            break;
        if (!decoder.empty(code)) {
            if (!decoder.output(code))
                break;
            decoder.prepareEntry(prev, code);
        } else if (!decoder.outputRepeat(prev)) {
            break;
        }
        decoder.addPending();
        prev = code;
    }
    return decoder.take();
}

QString Unpack(QByteArrayView stored)
{
    return decodeCp1251(UnpackBytes(stored));
}

namespace {

// Writes 9-bit codes least significant bit first; the leading 0x00 byte is dropped at the end.
class CodeWriter {
public:
    void put(int code)
    {
        m_buffer |= uint32_t(code) << m_bits;
        m_bits += kCodeBits;
        while (m_bits >= 8) {
            m_bytes.push_back(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.push_back(char(m_buffer & 0xFF));
        return m_bytes.mid(1);
    }

private:
    QByteArray m_bytes;
    uint32_t m_buffer = 0;
    int m_bits = 0;
};

// Links parent slot + next byte -> child slot of the encoder's dictionary: an open-addressed
// table with room for one generation of the dictionary at a low load.
class ChildTable {
public:
    void clear() { m_cells.fill({}); }

    int find(int parent, uint8_t byte) const
    {
        const uint32_t key = keyOf(parent, byte);
        for (uint32_t i = hash(key);; i = (i + 1) & kMask) {
            if (m_cells[i].key == key)
                return m_cells[i].child;
            if (m_cells[i].key == 0)
                return -1;
        }
    }

    void insert(int parent, uint8_t byte, int child)
    {
        const uint32_t key = keyOf(parent, byte);
        uint32_t i = hash(key);
        while (m_cells[i].key != 0 && m_cells[i].key != key)
            i = (i + 1) & kMask;
        if (m_cells[i].key == 0)
            m_cells[i] = {key, child};
    }

private:
    static constexpr uint32_t kMask = 1023;
    struct Cell {
        uint32_t key = 0;  // 0: free
        int child = 0;
    };
    static uint32_t keyOf(int parent, uint8_t byte) { return (uint32_t(parent) << 8 | byte) + 1; }
    static uint32_t hash(uint32_t key) { return (key * 2654435761u) >> 22 & kMask; }

    std::array<Cell, kMask + 1> m_cells{};
};

// The encoder keeps the decoder's dictionary slot for slot, in the decoder's own time: an
// entry is added when the code after it is written, the dictionary resets when the decoder
// would add to a full one, and entry[prev] is read after any reset, as the decoder does.
// Every slot's content is a run of the input; a content that is not one run of the input
// (rare, right after a reset) keeps its slot but is never used for matching.
class Encoder {
public:
    explicit Encoder(QByteArrayView input)
        : m_in(input)
    {
        for (int b = 0; b < 256; ++b)
            m_slots[size_t(b)] = {-1, 1, uint8_t(b), false};
        reset();
    }

    QByteArray encode()
    {
        m_writer.put(kClearCode);
        qsizetype pos = 0;
        int prev = -1;
        while (pos < m_in.size()) {
            const auto [code, length] = longestMatch(pos, prev);
            m_writer.put(code);
            const bool wasReset = prev >= 0 && addEntry(prev, pos);
            Slot &emitted = m_slots[size_t(code)];
            if (!wasReset && emitted.start >= 0 && !emitted.opaque)
                emitted.start = pos;   // the latest copy: the next entry usually extends it
            pos += length;
            prev = code;
        }
        m_writer.put(kEndCode);
        return m_writer.finish();
    }

private:
    struct Slot {
        qsizetype start = -1;  // where the content lies in the input; -1 for the byte entries
        qsizetype length = 0;  // 0: empty
        uint8_t first = 0;
        bool opaque = false;
    };

    void reset()
    {
        for (int c = kClearCode; c < kDictionarySize; ++c)
            m_slots[size_t(c)] = {};
        m_children.clear();
        m_nextFree = kFirstEntry;
    }

    bool contentAt(const Slot &s, qsizetype at) const
    {
        if (s.length == 0 || s.opaque || at + s.length > m_in.size())
            return false;
        if (s.start < 0)
            return uint8_t(m_in[at]) == s.first;
        return std::memcmp(m_in.data() + at, m_in.data() + s.start, size_t(s.length)) == 0;
    }

    std::pair<int, qsizetype> longestMatch(qsizetype pos, int prev) const
    {
        int code = uint8_t(m_in[pos]);
        qsizetype length = 1;
        while (pos + length < m_in.size()) {
            const int child = m_children.find(code, uint8_t(m_in[pos + length]));
            if (child < 0)
                break;
            code = child;
            ++length;
        }
        // The decoder also reads the slot being defined as entry[prev] + its first byte.
        if (prev >= 0 && m_nextFree < kDictionarySize) {
            const Slot &p = m_slots[size_t(prev)];
            if (p.length + 1 > length && contentAt(p, pos) && pos + p.length < m_in.size()
                && uint8_t(m_in[pos + p.length]) == p.first) {
                return {m_nextFree, p.length + 1};
            }
        }
        return {code, length};
    }

    // The entry the decoder adds on reading the code whose text starts at pos:
    // entry[prev] + the byte at pos. Returns true when the dictionary was reset first.
    bool addEntry(int prev, qsizetype pos)
    {
        const Slot &p = m_slots[size_t(prev)];
        const uint8_t byte = uint8_t(m_in[pos]);
        Slot entry;
        if (p.length == 0) {
            entry = {pos, 1, byte, false};
        } else if (p.opaque) {
            entry = {-1, p.length + 1, p.first, true};
        } else {
            const qsizetype start = p.start < 0 ? pos - 1 : p.start;
            const bool run = start >= 0 && uint8_t(m_in[start]) == p.first
                && start + p.length < m_in.size() && uint8_t(m_in[start + p.length]) == byte;
            entry = {run ? start : -1, p.length + 1, p.first, !run};
        }
        const bool full = m_nextFree == kDictionarySize;
        if (full)
            reset();
        else if (!entry.opaque && p.length > 0)
            m_children.insert(prev, byte, m_nextFree);
        m_slots[size_t(m_nextFree++)] = entry;
        return full;
    }

    QByteArrayView m_in;
    std::array<Slot, kDictionarySize> m_slots{};
    ChildTable m_children;
    int m_nextFree = kFirstEntry;
    CodeWriter m_writer;
};

}

QByteArray Pack(QByteArrayView bytes)
{
    return Encoder(bytes).encode();
}

}
