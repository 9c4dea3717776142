// Time of a whole reading: capture, chart, houses, Sun sign, nodes, aspects
// and void of course, every text written into a recording view.
#include <benchmark/benchmark.h>

#include "reading/driver.h"
#include "reading/recording_view.h"

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
    reading::ReadingState readingState;
    for (auto _ : state) {
        reading::RecordingReportView view;
        benchmark::DoNotOptimize(reading::RunReading(form, readingState, view));
        benchmark::DoNotOptimize(view.Pieces().size());
    }
}
BENCHMARK(BM_FullReading);

}  // namespace
