#include "dreamdiarybench.h"

#include "corpus.h"
#include "diary/diarystore.h"
#include "dreamgenerator.h"

#include <QElapsedTimer>

#include <cstdio>

namespace somnar::diary {

std::unique_ptr<DreamDiaryBench> PrepareDreamDiary(int dreams)
{
    auto bench = std::make_unique<DreamDiaryBench>();
    QElapsedTimer timer;
    timer.start();
    const QString books = bench->dir.filePath(QStringLiteral("books"));
    generateCorpus(books, CorpusOptions {});
    bench->catalogue.load(books, bench->settings);
    bench->index.build(bench->catalogue);
    std::printf("corpus: %lld books, %lld headwords (%lld ms)\n", static_cast<long long>(bench->catalogue.count()),
                static_cast<long long>(bench->index.size()), static_cast<long long>(timer.restart()));

    QList<DiaryEntry> entries = GenerateDreams(dreams, 1500, 1, bench->index.words());
    DiaryStore store(bench->diaryPath);
    store.open();
    store.saveAll(entries);
    for (const DiaryEntry &entry : entries)
        bench->ids << entry.id;
    std::printf("diary: %lld entries written in one transaction (%lld ms)\n", static_cast<long long>(store.count()),
                static_cast<long long>(timer.elapsed()));
    return bench;
}

}
