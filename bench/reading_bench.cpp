// Time of a whole reading: capture, chart, houses, Sun sign, nodes, aspects
// and void of course, as the reading value.
#include <benchmark/benchmark.h>

#include "reading/reading.h"

namespace {

using namespace starwise;

void BM_FullReading(benchmark::State& state) {
    entry::EntryFormValues form;
    form.nameText = "ADA";
    form.monthPosition = 6;
    form.dayPosition = 14;
    form.dayText = "15";
    form.yearText = "1980";
    form.hourText = "6";
    form.minuteText = "30";
    form.longitudeDegreesText = "74";
    form.longitudeMinutesText = "0";
    form.latitudeDegreesText = "40";
    form.latitudeMinutesText = "43";
    form.eastSelected = false;
    form.daylightSaving = true;
    form.zonePosition = 27;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reading::RunReading(form));
    }
}
BENCHMARK(BM_FullReading);

}  // namespace
