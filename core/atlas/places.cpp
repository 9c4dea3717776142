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
    };
    std::vector<Place> places;
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
                                   FoldForSearch(place.country), FoldForSearch(place.countryCode)});
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
    std::vector<std::string> parts = FoldedQueryParts(query);
    const std::string namePrefix = std::move(parts.front());
    if (namePrefix.empty() || maxResults == 0) return {};
    parts.erase(parts.begin());
    std::erase_if(parts, [](const std::string& part) { return part.empty(); });

    const Index& index = LoadedIndex();
    const auto narrowedBy = [&](const Index::Keys& keys, const std::string& part) {
        return keys.state.starts_with(part) || keys.country.starts_with(part) || keys.countryCode == part;
    };
    std::vector<std::uint32_t> matches;
    auto candidate = std::lower_bound(index.byNameKey.begin(), index.byNameKey.end(), namePrefix,
                                      [&](std::uint32_t i, const std::string& prefix) {
                                          return index.keys[i].name < prefix;
                                      });
    for (; candidate != index.byNameKey.end() && index.keys[*candidate].name.starts_with(namePrefix); ++candidate) {
        const Index::Keys& keys = index.keys[*candidate];
        if (std::all_of(parts.begin(), parts.end(), [&](const std::string& part) { return narrowedBy(keys, part); })) {
            matches.push_back(*candidate);
        }
    }

    const auto morePopulous = [&](std::uint32_t a, std::uint32_t b) {
        const Place& pa = index.places[a];
        const Place& pb = index.places[b];
        if (pa.population != pb.population) return pa.population > pb.population;
        if (pa.name != pb.name) return pa.name < pb.name;
        if (pa.state != pb.state) return pa.state < pb.state;
        return a < b;
    };
    const std::size_t kept = std::min(maxResults, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(kept), matches.end(),
                      morePopulous);

    std::vector<Place> results;
    results.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i) results.push_back(index.places[matches[i]]);
    return results;
}

}  // namespace starwise::atlas
