// Time of a whole reading: zone, instant, chart, houses, Sun sign, nodes, aspects
// and void of course, as the reading value.
#include <benchmark/benchmark.h>

#include "reading/reading.h"

namespace {

using namespace starwise;

void BM_FullReading(benchmark::State& state) {
    entry::BirthInput birth;
    birth.name = "ADA";
    birth.localDate = std::chrono::year{1980} / 7 / 15;
    birth.localMinutes = 6 * 60 + 30;
    birth.longitudeDeg = -74.0;
    birth.latitudeDeg = 40.0 + 43 / 60.0;
    birth.zone = entry::ZoneRowChoice{27, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::RunReading(birth));
    }
}
BENCHMARK(BM_FullReading);

}  // namespace
