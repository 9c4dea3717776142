#include "atlas/places.h"
#include "atlas/text_folding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace starwise::atlas {
namespace {

// One Atlas for the whole file: loading once keeps the tests quick.
const Atlas& TestAtlas() {
    static const Atlas atlas;
    return atlas;
}

constexpr std::size_t kGeonamesPlaceCount = 24361;  // Debian libgeonames 0.3

TEST(Atlas, ReadsEveryPlaceWithItsZoneAndPosition) {
    const auto& places = TestAtlas().Places();
    ASSERT_EQ(places.size(), kGeonamesPlaceCount);
    for (const Place& place : places) {
        ASSERT_FALSE(place.name.empty());
        ASSERT_FALSE(place.country.empty()) << place.name;
        ASSERT_EQ(place.countryCode.size(), 2u) << place.name;
        ASSERT_NE(place.timeZone.find('/'), std::string::npos) << place.name << ": " << place.timeZone;
        ASSERT_LE(std::abs(place.latitudeDeg), 90.0) << place.name;
        ASSERT_LE(std::abs(place.longitudeDeg), 180.0) << place.name;
    }
}

struct SearchCase {
    const char* query;
    std::size_t maxResults;
    std::size_t expectedCount;  // 0 = none; kAny = at least one
    const char* firstLabel;     // PlaceLabel of the first result, or nullptr
    const char* firstZone;
};
constexpr std::size_t kAny = 99999;

TEST(Atlas, SearchFindsTypedPlaces) {
    // Names and zones from GeoNames' cities15000 as compiled into libgeonames.
    const SearchCase cases[] = {
        {"sao paulo", 10, kAny, "São Paulo, São Paulo, Brazil", "America/Sao_Paulo"},
        {"tromso", 10, 1, "Tromsø, Troms og Finnmark, Norway", "Europe/Oslo"},
        {"TROMSØ", 10, 1, "Tromsø, Troms og Finnmark, Norway", "Europe/Oslo"},
        {"Springfield, Illinois", 10, 1, "Springfield, Illinois, United States of America", "America/Chicago"},
        {"Springfield", 20, 9, "Springfield, Missouri, United States of America", "America/Chicago"},
        {"Paris, Texas", 10, 1, "Paris, Texas, United States of America", "America/Chicago"},
        {"Paris", 10, kAny, "Paris, Île-de-France Region, France", "Europe/Paris"},
        {"Paris, FR", 10, 1, "Paris, Île-de-France Region, France", "Europe/Paris"},
        {"Pune, Maharashtra, India", 10, 1, "Pune, Maharashtra, India", "Asia/Kolkata"},
        {"Pune, Texas", 10, 0, nullptr, nullptr},
        {"Springfield, Illinois, ", 10, 1, "Springfield, Illinois, United States of America", "America/Chicago"},
        {"s", 5, 5, nullptr, nullptr},
        {"", 10, 0, nullptr, nullptr},
        {" , Texas", 10, 0, nullptr, nullptr},
        {"qqqzx", 10, 0, nullptr, nullptr},
        {"\xff\xfe", 10, 0, nullptr, nullptr},
        // An exact name (and exact state and country words) before longer,
        // more populous names that begin with it.
        {"Bath", 10, kAny, "Bath, England, United Kingdom", "Europe/London"},
        {"Mandi, India", 10, kAny, "Mandi, Himachal Pradesh, India", "Asia/Kolkata"},
        {"Nāwa, Rajasthan, India", 10, kAny, "Nāwa, Rajasthan, India", "Asia/Kolkata"},
        // A state that holds commas, found by the place's own label.
        {"Hosaina, Southern Nations, Nationalities, and People's Region, Ethiopia", 10, 1,
         "Hosa’ina, Southern Nations, Nationalities, and People's Region, Ethiopia", "Africa/Addis_Ababa"},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(std::string{"query: \""} + c.query + "\"");
        const std::vector<Place> found = TestAtlas().Search(c.query, c.maxResults);
        if (c.expectedCount == kAny) {
            EXPECT_FALSE(found.empty());
        } else {
            EXPECT_EQ(found.size(), c.expectedCount);
        }
        if (c.firstLabel != nullptr && !found.empty()) {
            EXPECT_EQ(PlaceLabel(found.front()), c.firstLabel);
            EXPECT_EQ(found.front().timeZone, c.firstZone);
        }
        // Exact names first, then by population.
        const std::string typedName = FoldForSearch(std::string_view{c.query}.substr(0, std::string_view{c.query}.find(',')));
        const auto exact = [&](const Place& place) { return FoldForSearch(place.name) == typedName; };
        for (std::size_t i = 1; i < found.size(); ++i) {
            EXPECT_TRUE(exact(found[i - 1]) > exact(found[i]) ||
                        (exact(found[i - 1]) == exact(found[i]) && found[i - 1].population >= found[i].population))
                << "results out of order at " << i << ": " << PlaceLabel(found[i - 1]) << " before "
                << PlaceLabel(found[i]);
        }
    }
}

// A query of a million commas, or far longer than any label, finds nothing
// and costs no more than reading it (a search over every part for every
// candidate took seconds).
TEST(Atlas, ALongQueryFindsNothing) {
    for (const std::string& query : {std::string(1'000'000, ','), "a" + std::string(1'000'000, ' '),
                                     [] { std::string q = "a"; for (int i = 0; i < 200'000; ++i) q += ",a"; return q; }()}) {
        EXPECT_TRUE(TestAtlas().Search(query, 10).empty()) << query.substr(0, 20) << "...";
    }
}

}  // namespace
}  // namespace starwise::atlas
