// bench_towns: opening the town reference with the shipped City.csv, as the options window does
// it: read and parse the file, fill the list, find and select the current town ("Москва").

#include "location/spravcity.h"
#include "location/townlist.h"

#include <QApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

using namespace somnar;

namespace {

const QString kTownList = QStringLiteral(SOMNAR_TOWN_LIST);

void OpenTownReference(benchmark::State &state)
{
    for (auto _ : state) {
        SpravCity reference(kTownList, QStringLiteral("Москва"));
        if (!reference.ListView1()->currentItem()) {
            state.SkipWithError("the current town was not found");
            return;
        }
        benchmark::DoNotOptimize(reference.ListView1()->topLevelItemCount());
    }
}
BENCHMARK(OpenTownReference)->Unit(benchmark::kMillisecond);

void ReadTownListOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadTownList(kTownList).size());
}
BENCHMARK(ReadTownListOnly)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
