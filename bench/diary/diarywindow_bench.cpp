// bench_diarywindow: opening the diary window over 10,000 generated dreams of 1,500 characters
// with the 20 corpus books switched on: the file, the list, the newest dream read (its words
// linked, its calendar), shown and painted; the window is closed again after each opening.
#include "diary/diarystore.h"
#include "diary/headwordlinker.h"
#include "diary/window/diarywindow.h"
#include "dreamdiarybench.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace somnar;
using namespace somnar::diary;

namespace {

constexpr int kDreams = 10000;

std::unique_ptr<DreamDiaryBench> g_bench;
std::shared_ptr<HeadwordLinker> g_linker = std::make_shared<HeadwordLinker>();

// Opens, shows and paints the window, then closes it; false when the list is not whole. With
// lunarDays, first waits for the lunar days the list did not know and says how long that took.
bool OpenWindowOnce(qint64 *lunarDays = nullptr)
{
    auto store = std::make_unique<DiaryStore>(g_bench->diaryPath);
    store->open();
    auto *window = new DiaryWindow(std::move(store), UserLocation(), nullptr, astro::SystemOffset());
    window->setLinker(g_linker);
    window->show();
    QApplication::processEvents();
    const bool whole = window->logic().listed().size() == kDreams;
    if (lunarDays) {
        QElapsedTimer timer;
        timer.start();
        while (window->logic().lunarDaysPending())
            QApplication::processEvents();
        *lunarDays = timer.elapsed();
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return whole;
}

void Prepare()
{
    g_bench = PrepareDreamDiary(kDreams);
    QElapsedTimer timer;
    timer.start();
    // The program builds the linker once per set of switched-on books, not at every opening.
    g_linker->build(g_bench->index.words());
    std::printf("linker over the headwords: %lld ms\n", static_cast<long long>(timer.restart()));
    // Generated dreams come without lunar days: the first opening reads those of the rows on
    // screen just after the window shows; later openings find them kept.
    qint64 lunarDays = 0;
    OpenWindowOnce(&lunarDays);
    std::printf("first opening: %lld ms, then the lunar days on screen: %lld ms\n",
                static_cast<long long>(timer.elapsed() - lunarDays), static_cast<long long>(lunarDays));
}

void OpenDiaryWindow(benchmark::State &state)
{
    for (auto _ : state)
        if (!OpenWindowOnce())
            state.SkipWithError("the list is not whole");
}
BENCHMARK(OpenDiaryWindow)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bench.reset();
    return 0;
}
