#include "astro/datetime.h"
#include "astro/lunation.h"
#include "astro/moonposition.h"
#include "astro/riseset.h"
#include "astro/timezone.h"
#include "calendar/lunardaycounter.h"

#include <benchmark/benchmark.h>

using namespace somnar::astro;

namespace {

const GeoLocation kMoscow {55.75, 37.5833};

// One full lunar-day computation as the calendar runs it: two new-moon searches and the
// moonrises of about 31 days at Moscow (a fresh counter, so no lunation is kept).
void LunarDayAtMoscow(benchmark::State &state)
{
    const FixedUtcOffset moscowTime(180);
    double moment = MakeDateTime(2024, 3, 20, 9, 0);
    for (auto _ : state) {
        somnar::calendar::LunarDayCounter counter(kMoscow, moscowTime);
        benchmark::DoNotOptimize(counter.MoonList(moment));
        moment = AddDays(moment, 0.37);
    }
}
BENCHMARK(LunarDayAtMoscow)->Unit(benchmark::kMillisecond);

// The 31 moonrises alone, for comparison with other ephemerides.
void ThirtyOneMoonrisesAtMoscow(benchmark::State &state)
{
    const double first = MakeDateTime(2024, 3, 1);
    for (auto _ : state) {
        for (int day = 0; day < 31; ++day)
            benchmark::DoNotOptimize(RiseSet(AddDays(first, day), kMoscow));
    }
}
BENCHMARK(ThirtyOneMoonrisesAtMoscow)->Unit(benchmark::kMillisecond);

void NewMoonSearch(benchmark::State &state)
{
    double moment = MakeDateTime(2024, 3, 20, 9, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PreviousNewMoon(moment));
        moment = AddDays(moment, 0.37);
    }
}
BENCHMARK(NewMoonSearch)->Unit(benchmark::kMicrosecond);

void ApparentPosition(benchmark::State &state)
{
    double jde = 2460390.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApparentMoonPosition(jde));
        jde += 1.0 / 24;
    }
}
BENCHMARK(ApparentPosition)->Unit(benchmark::kMicrosecond);

}
