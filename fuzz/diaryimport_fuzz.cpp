// libFuzzer target: any text reads as a diary export without fault, and what it reads is
// exported so that it reads back the same.
// Links: somnar_diary
#include "diary/diaryexport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace somnar::diary;
    const ImportResult read = ImportText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    const ImportResult again = ImportText(EntriesToText(read.entries));
    if (!again.error.isEmpty() || again.entries.size() != read.entries.size())
        __builtin_trap();
    for (qsizetype i = 0; i < read.entries.size(); ++i) {
        const DiaryEntry &a = read.entries[i];
        const DiaryEntry &b = again.entries[i];
        if (a.moment != b.moment || a.text != b.text || a.vividness != b.vividness || a.tags != b.tags)
            __builtin_trap();
    }
    return 0;
}
