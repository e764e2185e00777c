#include "dictionary/bookfile/jetformat.h"

#include <array>
#include <utility>

namespace somnar::jet {

// RC4 keystream applied in place; the same call masks and unmasks.
void maskDatabaseHeader(unsigned char *page0)
{
    static constexpr unsigned char key[] = {0xC7, 0xDA, 0x39, 0x6B};
    std::array<unsigned char, 256> s;
    for (int i = 0; i < 256; ++i)
        s[size_t(i)] = uint8_t(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[size_t(i)] + key[i % 4]) & 0xFF;
        std::swap(s[size_t(i)], s[size_t(j)]);
    }
    unsigned char *p = page0 + kHeaderMaskStart;
    for (int n = 0, i = 0, j = 0; n < kHeaderMaskLength; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[size_t(i)]) & 0xFF;
        std::swap(s[size_t(i)], s[size_t(j)]);
        p[n] ^= s[size_t((s[size_t(i)] + s[size_t(j)]) & 0xFF)];
    }
}

}
