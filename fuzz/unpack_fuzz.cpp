// libFuzzer target: UnpackBytes must survive any stored field.
// Links: somnar_text
#include "text/packedtext.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView stored(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray out = somnar::UnpackBytes(stored);
    // Each 9-bit code writes at most one entry, and no entry is longer than the codes read.
    const size_t codes = (size + 1) * 8 / 9;
    if (size_t(out.size()) > codes * (codes + 1))
        __builtin_trap();
    return 0;
}
