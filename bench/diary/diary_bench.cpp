// bench_diary: a diary of 10,000 generated dreams of 1,500 characters. Opening it (the list),
// searching it, reading one dream over the 20 corpus books with the calendar, saving one dream.
#include "diary/diarystore.h"
#include "diary/dreamcalendar.h"
#include "diary/headwordlinker.h"
#include "dreamdiarybench.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace somnar;
using namespace somnar::diary;

namespace {

constexpr int kDreams = 10000;

std::unique_ptr<DreamDiaryBench> g_bench;

// Closing (a checkpoint of the journal, synced to disk) happens when the program ends and is
// not timed.
void OpenDiaryAndList(benchmark::State &state)
{
    for (auto _ : state) {
        auto store = std::make_unique<DiaryStore>(g_bench->diaryPath);
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
        auto store = std::make_unique<DiaryStore>(g_bench->diaryPath);
        benchmark::DoNotOptimize(store->open());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenDiary)->Unit(benchmark::kMillisecond);

void ListEntries(benchmark::State &state)
{
    DiaryStore store(g_bench->diaryPath);
    store.open();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.summaries().size());
}
BENCHMARK(ListEntries)->Unit(benchmark::kMillisecond);

void Search(benchmark::State &state, const QString &query)
{
    DiaryStore store(g_bench->diaryPath);
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
        linker.build(g_bench->index.words());
}
BENCHMARK(BuildHeadwordIndex)->Unit(benchmark::kMillisecond);

// Each dream a month further on, so that the calendar computes a new lunation every time.
void ReadDream(benchmark::State &state)
{
    DiaryStore store(g_bench->diaryPath);
    store.open();
    HeadwordLinker linker;
    linker.build(g_bench->index.words());
    astro::FixedUtcOffset moscowTime(180);
    DreamCalendar calendar(UserLocation {}, moscowTime);
    qsizetype i = 0;
    qsizetype links = 0;
    for (auto _ : state) {
        const std::optional<DiaryEntry> dream = store.entry(g_bench->ids[i]);
        links = linker.links(dream->text).size();
        benchmark::DoNotOptimize(calendar.read(dream->moment));
        i = (i + 30) % g_bench->ids.size();
    }
    state.counters["links"] = double(links);
}
BENCHMARK(ReadDream)->Unit(benchmark::kMillisecond);

// The linking part of the reading alone.
void LinkDreamWords(benchmark::State &state)
{
    DiaryStore store(g_bench->diaryPath);
    store.open();
    HeadwordLinker linker;
    linker.build(g_bench->index.words());
    const QString text = store.entry(g_bench->ids[0])->text;
    for (auto _ : state)
        benchmark::DoNotOptimize(linker.links(text).size());
}
BENCHMARK(LinkDreamWords)->Unit(benchmark::kMillisecond);

void SaveDream(benchmark::State &state)
{
    DiaryStore store(g_bench->diaryPath);
    store.open();
    DiaryEntry dream = *store.entry(g_bench->ids[0]);
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
    g_bench = PrepareDreamDiary(kDreams);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bench.reset();
    return 0;
}
