// Time of one chart (Ascendant, Moon, Sun, planets and nodes with their
// texts) and of one Kepler solution.
#include <benchmark/benchmark.h>

#include "engine/natal_chart.h"
#include "engine/moon.h"
#include "engine/planets.h"

namespace {

using namespace starwise::engine;

// 15 July 1980, 06:30 EDT (UTC-4) at 74:00 W, 40:43 N.
BirthMoment NewYork1980() { return {std::chrono::year{1980} / 7 / 15, 6 * 60 + 30, -4 * 3600, -74.0, 40.0 + 43 / 60.0}; }

void BM_FullChart(benchmark::State& state) {
    const BirthMoment birth = NewYork1980();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChartOf(birth));
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
