// libFuzzer target: whatever the user types into the diary's search, SQLite takes the query
// without an error (no user character reaches the full-text query syntax).
// Links: somnar_diary
#include "diary/diarystore.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace somnar::diary;
    static QTemporaryDir dir;
    static const std::unique_ptr<DiaryStore> store = [] {
        auto opened = std::make_unique<DiaryStore>(dir.filePath(QStringLiteral("diary.sqlite")));
        opened->open();
        DiaryEntry entry = NewDiaryEntry();
        entry.title = QStringLiteral("Ёжик в тумане");
        entry.text = QStringLiteral("Видела чёрную кошку у реки, \"NEAR\" и OR, AND*");
        opened->save(entry);
        return opened;
    }();
    store->search(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!store->message().isEmpty())
        __builtin_trap();
    return 0;
}
