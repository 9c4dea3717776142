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
    birth.Year = 1980;
    birth.Month = 7;
    birth.Day = 15;
    birth.Hour = 6;
    birth.Minute = 30;
    birth.LongitudeDegrees = 74;
    birth.LatitudeDegrees = 40;
    birth.LatitudeMinutes = 43;
    birth.DaylightSaving = true;
    return birth;
}

void BM_FullChart(benchmark::State& state) {
    const BirthData birth = NewYork1980();
    const ZoneOffset zone{5, 0};
    EngineWorking working;
    NatalChart chart;
    for (auto _ : state) {
        CalculateAscendant(birth, zone, working);
        CalculateMoon(birth, zone, working);
        CalculatePlanets(birth, zone, working, chart);
        benchmark::DoNotOptimize(chart);
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
