// libFuzzer target for the RTF reader: any bytes must be read without a crash, a hang or
// undefined behaviour, whatever they hold.
// Links: somnar_rtf
#include "article/rtf/rtfreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const somnar::RtfDocument document =
        somnar::ReadRtf(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)document.plainText();
    return 0;
}
