// libFuzzer target: any settings file reads without fault, and what is read is written so that
// it reads back the same.
// Links: somnar_app
#include "app/settingsformat.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace somnar;
    const SettingsSections read = parseSettings(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (parseSettings(formatSettings(read)) != read)
        __builtin_trap();
    return 0;
}
