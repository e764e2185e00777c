// bench_diary: a diary of 10,000 generated dreams of 1,500 characters. Opening it (the list),
// searching it, reading one dream over the 20 corpus books with the calendar, saving one dream.
#include "app/settingsstore.h"
#include "corpus.h"
#include "diary/diarystore.h"
#include "diary/dreamcalendar.h"
#include "diary/headwordlinker.h"
#include "dictionary/bookcatalogue.h"
#include "dictionary/wordindex.h"
#include "dreamgenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace somnar;
using namespace somnar::diary;

namespace {

constexpr int kDreams = 10000;

struct Setting {
    QTemporaryDir dir;
    SettingsStore settings {dir.filePath(QStringLiteral("settings.ini"))};
    BookCatalogue catalogue;
    WordIndex index;
    QString diaryPath = dir.filePath(QStringLiteral("diary.sqlite"));
    QList<qint64> ids;
};

std::unique_ptr<Setting> g_setting;

void Prepare()
{
    g_setting = std::make_unique<Setting>();
    Setting &s = *g_setting;
    QElapsedTimer timer;
    timer.start();
    generateCorpus(s.dir.filePath(QStringLiteral("books")), CorpusOptions {});
    s.catalogue.load(s.dir.filePath(QStringLiteral("books")), s.settings);
    s.index.build(s.catalogue);
    std::printf("corpus: %lld books, %lld headwords (%lld ms)\n", static_cast<long long>(s.catalogue.count()),
                static_cast<long long>(s.index.size()), static_cast<long long>(timer.restart()));

    QList<DiaryEntry> dreams = GenerateDreams(kDreams, 1500, 1, s.index.words());
    DiaryStore store(s.diaryPath);
    store.open();
    store.saveAll(dreams);
    for (const DiaryEntry &dream : dreams)
        s.ids << dream.id;
    std::printf("diary: %lld entries written in one transaction (%lld ms)\n", static_cast<long long>(store.count()),
                static_cast<long long>(timer.elapsed()));
}

// Closing (a checkpoint of the journal, synced to disk) happens when the program ends and is
// not timed.
void OpenDiaryAndList(benchmark::State &state)
{
    for (auto _ : state) {
        auto store = std::make_unique<DiaryStore>(g_setting->diaryPath);
        store->open();
        const QList<EntrySummary> list = store->summaries();
        if (list.size() != kDreams)
            state.SkipWithError("the diary lost entries");
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenDiaryAndList)->Unit(benchmark::kMillisecond);

void OpenDiary(benchmark::State &state)
{
    for (auto _ : state) {
        auto store = std::make_unique<DiaryStore>(g_setting->diaryPath);
        benchmark::DoNotOptimize(store->open());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenDiary)->Unit(benchmark::kMillisecond);

void ListEntries(benchmark::State &state)
{
    DiaryStore store(g_setting->diaryPath);
    store.open();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.summaries().size());
}
BENCHMARK(ListEntries)->Unit(benchmark::kMillisecond);

void Search(benchmark::State &state, const QString &query)
{
    DiaryStore store(g_setting->diaryPath);
    store.open();
    qsizetype found = 0;
    for (auto _ : state)
        found = store.search(query).size();
    state.counters["found"] = double(found);
}
BENCHMARK_CAPTURE(Search, word_in_many, QStringLiteral("кошка"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, two_words, QStringLiteral("зеркало ключ"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, phrase, QStringLiteral("\"кошку в воде\""))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, no_match, QStringLiteral("трамвай"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, no_word_lists_all, QStringLiteral("*"))->Unit(benchmark::kMillisecond);

void BuildHeadwordIndex(benchmark::State &state)
{
    HeadwordLinker linker;
    for (auto _ : state)
        linker.build(g_setting->index.words());
}
BENCHMARK(BuildHeadwordIndex)->Unit(benchmark::kMillisecond);

// Each dream a month further on, so that the calendar computes a new lunation every time.
void ReadDream(benchmark::State &state)
{
    DiaryStore store(g_setting->diaryPath);
    store.open();
    HeadwordLinker linker;
    linker.build(g_setting->index.words());
    astro::FixedUtcOffset moscowTime(180);
    DreamCalendar calendar(UserLocation {}, moscowTime);
    qsizetype i = 0;
    qsizetype links = 0;
    for (auto _ : state) {
        const std::optional<DiaryEntry> dream = store.entry(g_setting->ids[i]);
        links = linker.links(dream->text).size();
        benchmark::DoNotOptimize(calendar.read(dream->moment));
        i = (i + 30) % g_setting->ids.size();
    }
    state.counters["links"] = double(links);
}
BENCHMARK(ReadDream)->Unit(benchmark::kMillisecond);

// The linking part of the reading alone.
void LinkDreamWords(benchmark::State &state)
{
    DiaryStore store(g_setting->diaryPath);
    store.open();
    HeadwordLinker linker;
    linker.build(g_setting->index.words());
    const QString text = store.entry(g_setting->ids[0])->text;
    for (auto _ : state)
        benchmark::DoNotOptimize(linker.links(text).size());
}
BENCHMARK(LinkDreamWords)->Unit(benchmark::kMillisecond);

void SaveDream(benchmark::State &state)
{
    DiaryStore store(g_setting->diaryPath);
    store.open();
    DiaryEntry dream = *store.entry(g_setting->ids[0]);
    int n = 0;
    for (auto _ : state) {
        dream.title = QStringLiteral("Сон, правка %1").arg(++n);
        store.save(dream);
    }
}
BENCHMARK(SaveDream)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_setting.reset();
    return 0;
}
