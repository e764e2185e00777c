// libFuzzer target: the book reader, given any whole file, reads it or refuses it with BookError,
// and every word it reads is found again by seek.
// Links: somnar_bookfile
#include "dictionary/bookfile/bookdatabase.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace somnar;
    try {
        const BookDatabase book = BookDatabase::fromBytes(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), QStringLiteral("fuzz.book"));
        for (qsizetype i = 0; i < book.recordCount(); ++i) {
            const qsizetype found = book.seek(book.record(i).list);
            if (found < 0 || found > i || !sameWord(book.record(found).list, book.record(i).list))
                __builtin_trap();
        }
    } catch (const BookError &) {
    }
    return 0;
}
