// Time of one atlas search over all places, of loading the atlas, and of one
// zone history look-up with its zone row.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"

namespace {

using namespace starwise::atlas;

const Atlas& LoadedAtlas() {
    static const Atlas atlas;
    atlas.Load();
    return atlas;
}

// Queries as a user types them: one letter (the most matches to order),
// whole names, narrowed names, accents, and a name that is not there.
constexpr std::array<std::string_view, 9> kQueries{
    "s", "san", "sao paulo", "springfield, illinois", "pune, maharashtra, india",
    "tromsø", "new", "s, united states", "qqqzx",
};

// Results a list of suggestions shows.
constexpr std::size_t kSuggestionCount = 20;

void BM_AtlasSearch(benchmark::State& state) {
    const Atlas& atlas = LoadedAtlas();
    const std::string_view query = kQueries[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Search(query, kSuggestionCount));
    state.SetLabel(std::string{query});
}
BENCHMARK(BM_AtlasSearch)->DenseRange(0, kQueries.size() - 1)->Unit(benchmark::kMicrosecond);

// First use: reading the places from libgeonames and folding their keys.
void BM_AtlasLoad(benchmark::State& state) {
    for (auto _ : state) {
        const Atlas atlas;
        atlas.Load();
        benchmark::DoNotOptimize(atlas.Places().data());
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// What the form does when the date or time changes.
void BM_ZoneMomentAndRow(benchmark::State& state) {
    const LocalMinute local{1980, 7, 15, 6, 30};
    for (auto _ : state) {
        const auto moment = LookUpZoneMoment("America/New_York", local);
        benchmark::DoNotOptimize(MatchZoneRow(std::get<ZoneMoment>(moment)));
    }
}
BENCHMARK(BM_ZoneMomentAndRow)->Unit(benchmark::kMicrosecond);

}  // namespace
