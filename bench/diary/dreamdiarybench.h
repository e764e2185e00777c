#pragma once

#include "app/settingsstore.h"
#include "dictionary/bookcatalogue.h"
#include "dictionary/wordindex.h"

#include <QList>
#include <QTemporaryDir>

#include <memory>

namespace somnar::diary {

// What the diary benchmarks stand on: the 20-book corpus with its word index, and a diary of
// generated dreams, all in a temporary folder.
struct DreamDiaryBench {
    QTemporaryDir dir;
    SettingsStore settings {dir.filePath(QStringLiteral("settings.ini"))};
    BookCatalogue catalogue;
    WordIndex index;
    QString diaryPath = dir.filePath(QStringLiteral("diary.sqlite"));
    QList<qint64> ids;  // of the dreams, in the order generated (newest first)
};

// Writes the corpus and a diary of `dreams` dreams of 1,500 characters whose texts use the
// corpus's headwords; says on stdout what it made and how long that took.
std::unique_ptr<DreamDiaryBench> PrepareDreamDiary(int dreams);

}
