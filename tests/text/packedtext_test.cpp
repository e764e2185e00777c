#include "text/codepage.h"
#include "text/packedtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

using namespace somnar;

namespace {

// Builds a stored field from codes: 9 bits each, least significant bit first, the first byte
// (the low bits of the leading clear code) dropped.
QByteArray storedFromCodes(const std::vector<int> &codes)
{
    QByteArray bytes;
    unsigned buffer = 0;
    int bits = 0;
    for (int code : codes) {
        buffer |= unsigned(code) << bits;
        for (bits += 9; bits >= 8; bits -= 8, buffer >>= 8)
            bytes.push_back(char(buffer & 0xFF));
    }
    if (bits > 0)
        bytes.push_back(char(buffer & 0xFF));
    return bytes.mid(1);
}

QByteArray randomBytes(std::mt19937 &rng, qsizetype size, int alphabet)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    for (auto &b : bytes)
        b = char(pick(rng));
    return bytes;
}

// The decoding rules word for word, with whole strings as dictionary entries: slow and plain.
QByteArray referenceUnpack(const QByteArray &stored)
{
    const QByteArray bytes = QByteArray(1, '\0') + stored;
    std::vector<int> codes;
    for (qsizetype k = 0; k < bytes.size() * 8 / 9; ++k) {
        int code = 0;
        for (int bit = 0; bit < 9; ++bit) {
            const qsizetype at = k * 9 + bit;
            code |= ((uint8_t(bytes[at / 8]) >> (at % 8)) & 1) << bit;
        }
        codes.push_back(code);
    }
    if (codes.size() < 2 || codes[0] != 256)
        return {};
    std::vector<QByteArray> entry(512);
    for (int b = 0; b < 256; ++b)
        entry[size_t(b)] = QByteArray(1, char(b));
    int next = 258;
    QByteArray out = entry[size_t(codes[1])];
    int prev = codes[1];
    for (size_t k = 2; k < codes.size(); ++k) {
        const int c = codes[k];
        if (c == 256) {
            std::fill(entry.begin() + 256, entry.end(), QByteArray());
            next = 258;
            prev = 256;
            continue;
        }
        if (c == 257)
            break;
        QByteArray added;
        if (!entry[size_t(c)].isEmpty()) {
            out += entry[size_t(c)];
            added = entry[size_t(prev)] + entry[size_t(c)].left(1);
        } else {
            added = entry[size_t(prev)] + entry[size_t(prev)].left(1);
            out += added;
        }
        if (next == 512) {
            std::fill(entry.begin() + 256, entry.end(), QByteArray());
            next = 258;
        }
        entry[size_t(next++)] = added;
        prev = c;
    }
    return out;
}

}

TEST(Unpack, HandBuiltStreams)
{
    const struct {
        const char *name;
        std::vector<int> codes;
        QByteArray expected;
    } cases[] = {
        {"first code not clear", {65, 66, 257}, ""},
        {"plain bytes", {256, 'a', 'b', 257}, "ab"},
        // 258 = "ab", 259 = "ba", then 260 is being defined: "ab" + "a".
        {"code being defined", {256, 'a', 'b', 258, 260, 257}, "abababa"},
        // After a clear, the next code adds an entry equal to its own first character.
        {"mid-stream clear", {256, 'x', 'y', 256, 'z', 258, 257}, "xyzz"},
        {"no end code", {256, 'h', 'i'}, "hi"},
        {"end code stops", {256, 'a', 257, 'b'}, "a"},
        // An undefined code other than the one being defined repeats entry[prev].
        {"undefined code", {256, 'q', 400, 257}, "qqq"},
        // Clear followed by a code whose previous entry is empty: nothing is invented.
        {"clear then undefined", {256, 'a', 256, 300, 'b', 257}, "ab"},
        {"only the clear code", {256}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UnpackBytes(storedFromCodes(c.codes)), c.expected) << c.name;
}

TEST(Unpack, FullDictionaryContinuesAt258)
{
    // 254 codes define 258..511; the next entry resets the dictionary and lands at 258.
    std::vector<int> codes{256};
    QByteArray expected;
    for (int i = 0; i < 256; ++i) {
        codes.push_back('a' + i % 20);
        expected.push_back(char('a' + i % 20));
    }
    codes.push_back(258);
    codes.push_back(257);
    const QByteArray out = UnpackBytes(storedFromCodes(codes));
    ASSERT_GT(out.size(), expected.size());
    EXPECT_TRUE(out.startsWith(expected));
    // 258 was redefined at the reset as the last two single bytes.
    EXPECT_EQ(out.mid(expected.size()), QByteArray() + expected.at(254) + expected.at(255));
}

TEST(Unpack, TruncatedAndGarbageStreamsAreSafe)
{
    std::mt19937 rng(7);
    const QByteArray packed = Pack(randomBytes(rng, 5000, 6));
    for (qsizetype cut = 0; cut <= packed.size(); cut += 97)
        EXPECT_LE(UnpackBytes(packed.left(cut)).size(), 5000 * 2);
    for (int i = 0; i < 200; ++i) {
        QByteArray noise = randomBytes(rng, 1 + i * 13, 256);
        noise[0] = char(noise[0] & 0x00);  // low bits of a first code, so some streams start right
        (void)UnpackBytes(noise);
    }
}

TEST(Unpack, AgreesWithTheRulesOnDamagedStreams)
{
    std::mt19937 rng(11);
    for (int i = 0; i < 150; ++i) {
        QByteArray stored = Pack(randomBytes(rng, 200 + i * 97, i % 2 ? 3 : 256));
        for (int hits = 0; hits < 1 + i % 4; ++hits)
            stored[qsizetype(rng() % stored.size())] = char(rng());
        ASSERT_EQ(UnpackBytes(stored), referenceUnpack(stored)) << "case " << i;
    }
}

TEST(PackUnpack, RoundTripsAnyBytes)
{
    std::mt19937 rng(2026);
    const qsizetype sizes[] = {0, 1, 2, 3, 8, 255, 256, 511, 512, 513, 1000, 4096, 65536, 200 * 1024};
    const int alphabets[] = {1, 2, 4, 33, 256};
    for (qsizetype size : sizes) {
        for (int alphabet : alphabets) {
            const QByteArray input = randomBytes(rng, size, alphabet);
            ASSERT_EQ(UnpackBytes(Pack(input)), input) << "size " << size << " alphabet " << alphabet;
        }
    }
}

TEST(PackUnpack, RussianTextThroughTheCodePage)
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("Кошка – к ссоре; ёж – к гостям. Сон № %1 «луна»\r\n").arg(i);
    const QByteArray packed = Pack(*encodeCp1251(text));
    EXPECT_LT(packed.size(), text.size() / 2);
    EXPECT_EQ(Unpack(packed), text);
}
