// Calculate of the calendar window at Moscow, with its text and picture updates: in a new
// lunation each time, and within the lunation already computed.
#include "app/settingsstore.h"
#include "astro/datetime.h"
#include "calendar/window/calen.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace somnar;
using namespace somnar::calendar;

namespace {

struct Window {
    QTemporaryDir dir;
    SettingsStore settings {dir.filePath(QStringLiteral("settings.ini"))};
    astro::FixedUtcOffset moscowTime {180};
    Calen calen {settings, nullptr, moscowTime};
};

void CalculateInANewLunation(benchmark::State &state)
{
    Window window;
    double moment = astro::MakeDateTime(2024, 3, 20, 9, 0);
    for (auto _ : state) {
        moment = astro::AddDays(moment, 31);
        window.calen.logic().setSelectedMoment(moment);
        window.calen.Calculate();
    }
}
BENCHMARK(CalculateInANewLunation)->Unit(benchmark::kMillisecond);

// The computing core alone in the same process, for comparison.
void ReadCalendarInANewLunation(benchmark::State &state)
{
    const astro::FixedUtcOffset moscowTime(180);
    LunarDayCounter counter({55.75, 37.5833}, moscowTime);
    double moment = astro::MakeDateTime(2024, 3, 20, 9, 0);
    for (auto _ : state) {
        moment = astro::AddDays(moment, 31);
        benchmark::DoNotOptimize(ReadCalendar(moment, counter));
    }
}
BENCHMARK(ReadCalendarInANewLunation)->Unit(benchmark::kMillisecond);

void CalculateInTheSameLunation(benchmark::State &state)
{
    Window window;
    const double middle = astro::MakeDateTime(2024, 3, 25, 9, 0);
    int step = 0;
    for (auto _ : state) {
        // Moments over ten days around the middle of one lunation, as the pickers move.
        window.calen.logic().setSelectedMoment(astro::AddDays(middle, (step++ % 200) * 0.05 - 5));
        window.calen.Calculate();
    }
}
BENCHMARK(CalculateInTheSameLunation)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
