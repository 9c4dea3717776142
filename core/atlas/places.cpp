#include "atlas/places.h"

#include <geonames.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "atlas/text_folding.h"

namespace starwise::atlas {

struct Atlas::Index {
    // Folded search keys of one place (FoldForSearch; country code lower case).
    struct Keys {
        std::string name;
        std::string state;
        std::string country;
        std::string countryCode;
        bool commaInLabel = false;  // the name or the state holds a comma
    };
    std::vector<Place> places;
    std::size_t longestLabelBytes = 0;  // of PlaceLabel, over every place
    std::vector<Keys> keys;                  // same order as places
    std::vector<std::uint32_t> byNameKey;    // indices into places, by keys[i].name
};

namespace {

std::string TextOrEmpty(const gchar* text) { return text != nullptr ? std::string{text} : std::string{}; }

// One place of libgeonames. Its getters give name, state and country in the
// language of the process's locale (translations shipped with the library),
// which would make searches and labels depend on the user's locale; the
// stored record (id, name, state code, state, country code, country, zone,
// population, latitude, longitude) holds the names as GeoNames gives them,
// so it is read directly when it has that layout.
Place ReadCity(GeonamesCity* city) {
    Place place;
    if (g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
        const gchar* geonameId = nullptr;
        const gchar* name = nullptr;
        const gchar* stateCode = nullptr;
        const gchar* state = nullptr;
        const gchar* countryCode = nullptr;
        const gchar* country = nullptr;
        const gchar* timeZone = nullptr;
        guint32 population = 0;
        gdouble latitudeDeg = 0.0;
        gdouble longitudeDeg = 0.0;
        g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &geonameId, &name, &stateCode, &state, &countryCode, &country,
                      &timeZone, &population, &latitudeDeg, &longitudeDeg);
        place.name = TextOrEmpty(name);
        place.state = TextOrEmpty(state);
        place.countryCode = TextOrEmpty(countryCode);
        place.country = TextOrEmpty(country);
        place.timeZone = TextOrEmpty(timeZone);
        place.population = population;
        place.latitudeDeg = latitudeDeg;
        place.longitudeDeg = longitudeDeg;
    } else {
        place.name = TextOrEmpty(geonames_city_get_name(city));
        place.state = TextOrEmpty(geonames_city_get_state(city));
        place.countryCode = TextOrEmpty(geonames_city_get_country_code(city));
        place.country = TextOrEmpty(geonames_city_get_country(city));
        place.timeZone = TextOrEmpty(geonames_city_get_timezone(city));
        place.population = geonames_city_get_population(city);
        place.latitudeDeg = geonames_city_get_latitude(city);
        place.longitudeDeg = geonames_city_get_longitude(city);
    }
    return place;
}

std::vector<Place> ReadGeonamesPlaces() {
    std::vector<Place> places;
    const gint count = geonames_get_n_cities();
    places.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr) continue;
        places.push_back(ReadCity(city));
        geonames_city_free(city);
    }
    return places;
}

// The folded parts of a text split at its commas, in order.
std::vector<std::string> FoldedQueryParts(std::string_view query) {
    std::vector<std::string> parts;
    while (true) {
        const std::size_t comma = query.find(',');
        parts.push_back(FoldForSearch(query.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        query.remove_prefix(comma + 1);
    }
    return parts;
}

// How well a place matches: exact names first, then the rest.
enum class MatchTier { ExactWords, ExactName, NamePrefix, None };

// A place whose name or state holds a comma, against every non-empty part of
// the query (name included) read as its label: each part the label's part
// in order, the last one its beginning. ExactWords when every part is whole.
MatchTier LabelMatch(const Place& place, const std::vector<std::string>& queryParts) {
    std::vector<std::string> labelParts = FoldedQueryParts(PlaceLabel(place));
    std::erase_if(labelParts, [](const std::string& part) { return part.empty(); });
    if (queryParts.size() > labelParts.size()) return MatchTier::None;
    bool whole = true;
    for (std::size_t i = 0; i < queryParts.size(); ++i) {
        if (queryParts[i] == labelParts[i]) continue;
        if (i + 1 < queryParts.size() || !labelParts[i].starts_with(queryParts[i])) return MatchTier::None;
        whole = false;
    }
    return whole ? MatchTier::ExactWords : MatchTier::NamePrefix;
}

}  // namespace

std::string PlaceLabel(const Place& place) {
    std::string label = place.name;
    if (!place.state.empty()) label += ", " + place.state;
    label += ", " + place.country;
    return label;
}

WholeMinutesAngle ToWholeMinutes(double angleDeg) {
    const long totalMinutes = std::lround(std::abs(angleDeg) * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
            angleDeg < 0.0 && totalMinutes > 0};
}

Atlas::Atlas() = default;
Atlas::~Atlas() = default;

void Atlas::Load() const {
    std::call_once(loadOnce_, [this] {
        auto index = std::make_unique<Index>();
        index->places = ReadGeonamesPlaces();
        index->keys.reserve(index->places.size());
        for (const Place& place : index->places) {
            index->keys.push_back({FoldForSearch(place.name), FoldForSearch(place.state),
                                   FoldForSearch(place.country), FoldForSearch(place.countryCode),
                                   place.name.find(',') != std::string::npos ||
                                       place.state.find(',') != std::string::npos});
            index->longestLabelBytes = std::max(index->longestLabelBytes, PlaceLabel(place).size());
        }
        index->byNameKey.resize(index->places.size());
        for (std::uint32_t i = 0; i < index->byNameKey.size(); ++i) index->byNameKey[i] = i;
        std::sort(index->byNameKey.begin(), index->byNameKey.end(), [&](std::uint32_t a, std::uint32_t b) {
            return index->keys[a].name < index->keys[b].name;
        });
        index_ = std::move(index);
    });
}

const Atlas::Index& Atlas::LoadedIndex() const {
    Load();
    return *index_;
}

const std::vector<Place>& Atlas::Places() const { return LoadedIndex().places; }

std::vector<Place> Atlas::Search(std::string_view query, std::size_t maxResults) const {
    if (maxResults == 0) return {};
    const Index& index = LoadedIndex();
    // No label is longer than this, so a longer query matches nothing; this
    // bounds the work below by the atlas, whatever the query's length.
    constexpr std::size_t kQuerySlackFactor = 4;  // room for spaces, repeated words, unfolded accents
    if (query.size() > kQuerySlackFactor * index.longestLabelBytes) return {};

    std::vector<std::string> parts = FoldedQueryParts(query);
    const std::string namePrefix = parts.front();
    if (namePrefix.empty()) return {};
    std::erase_if(parts, [](const std::string& part) { return part.empty(); });
    const std::vector<std::string> further(parts.begin() + 1, parts.end());

    const auto tierOf = [&](std::uint32_t i) {
        const Index::Keys& keys = index.keys[i];
        MatchTier tier = MatchTier::None;
        const bool narrowed = std::all_of(further.begin(), further.end(), [&](const std::string& part) {
            return keys.state.starts_with(part) || keys.country.starts_with(part) || keys.countryCode == part;
        });
        if (narrowed) {
            const bool wordsWhole = std::all_of(further.begin(), further.end(), [&](const std::string& part) {
                return keys.state == part || keys.country == part || keys.countryCode == part;
            });
            tier = keys.name != namePrefix ? MatchTier::NamePrefix
                   : wordsWhole           ? MatchTier::ExactWords
                                          : MatchTier::ExactName;
        }
        if (keys.commaInLabel) tier = std::min(tier, LabelMatch(index.places[i], parts));
        return tier;
    };
    std::vector<std::pair<MatchTier, std::uint32_t>> matches;
    auto candidate = std::lower_bound(index.byNameKey.begin(), index.byNameKey.end(), namePrefix,
                                      [&](std::uint32_t i, const std::string& prefix) {
                                          return index.keys[i].name < prefix;
                                      });
    for (; candidate != index.byNameKey.end() && index.keys[*candidate].name.starts_with(namePrefix); ++candidate) {
        if (const MatchTier tier = tierOf(*candidate); tier != MatchTier::None) matches.emplace_back(tier, *candidate);
    }

    // Exact names (and whole state and country words) first; population
    // orders the rest, ties by name, then state.
    const auto better = [&](const std::pair<MatchTier, std::uint32_t>& a, const std::pair<MatchTier, std::uint32_t>& b) {
        if (a.first != b.first) return a.first < b.first;
        const Place& pa = index.places[a.second];
        const Place& pb = index.places[b.second];
        if (pa.population != pb.population) return pa.population > pb.population;
        if (pa.name != pb.name) return pa.name < pb.name;
        if (pa.state != pb.state) return pa.state < pb.state;
        return a.second < b.second;
    };
    const std::size_t kept = std::min(maxResults, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(kept), matches.end(), better);

    std::vector<Place> results;
    results.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) results.push_back(index.places[matches[i].second]);
    return results;
}

}  // namespace starwise::atlas
