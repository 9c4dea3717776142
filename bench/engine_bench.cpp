// Time of one chart (Ascendant, Moon, Sun, planets and nodes with their
// texts) and of one Kepler solution.
#include <benchmark/benchmark.h>

#include "engine/natal_chart.h"
#include "engine/moon.h"
#include "engine/planets.h"

namespace {

using namespace starwise::engine;

BirthData NewYork1980() {
    BirthData birth;
    birth.year = 1980;
    birth.month = 7;
    birth.day = 15;
    birth.hour = 6;
    birth.minute = 30;
    birth.longitudeDegrees = 74;
    birth.latitudeDegrees = 40;
    birth.latitudeMinutes = 43;
    birth.daylightSaving = true;
    return birth;
}

void BM_FullChart(benchmark::State& state) {
    const BirthData birth = NewYork1980();
    const ZoneOffset zone{5, 0};
    for (auto _ : state) {
        const Instant instant = InstantOf(birth, zone);
        benchmark::DoNotOptimize(ChartAt(instant, MoonAt(instant), AscendantAt(instant, birth)));
    }
}
BENCHMARK(BM_FullChart);

void BM_PlanetLongitudes(benchmark::State& state) {
    double days = -7109.2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanetLongitudes(days));
        days += 0.37;
    }
}
BENCHMARK(BM_PlanetLongitudes);

void BM_MoonLongitude(benchmark::State& state) {
    double centuries = -0.19;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonLongitude(centuries));
        centuries += 1e-5;
    }
}
BENCHMARK(BM_MoonLongitude);

void BM_TrueAnomaly(benchmark::State& state) {
    double meanAnomaly = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TrueAnomaly(meanAnomaly, 0.2056));
        meanAnomaly += 0.37;
        if (meanAnomaly > 6.2) meanAnomaly -= 6.2;
    }
}
BENCHMARK(BM_TrueAnomaly);

}  // namespace
