// The offline atlas: the towns and cities of GeoNames with 15,000 people or
// more (as compiled into Debian's libgeonames), each with its IANA time zone,
// and a search by name as a user types it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace starwise::atlas {

struct Place {
    std::string name;         // the city's name, UTF-8 ("São Paulo")
    std::string state;        // first-level division ("Maharashtra"); may be empty
    std::string country;      // English country name ("India")
    std::string countryCode;  // ISO 3166-1 alpha-2 ("IN")
    double latitudeDeg = 0.0;   // -90..90, north positive
    double longitudeDeg = 0.0;  // -180..180, east positive
    std::string timeZone;       // IANA zone name ("Asia/Kolkata")
    std::uint32_t population = 0;
};

// "City, State, Country"; the state is left out when it is empty.
std::string PlaceLabel(const Place& place);

// A latitude or longitude as the entry form and the command line write it:
// whole degrees and minutes, rounded to the nearest minute, and the
// hemisphere (south or west when negative).
struct WholeMinutesAngle {
    int degrees = 0;        // 0..180
    int minutes = 0;        // 0..59
    bool negative = false;  // south of the equator or west of Greenwich
};

// angleDeg in decimal degrees, north or east positive: 18.51957 -> 18°31' N;
// -89.64371 -> 89°39' W. An angle that rounds to 0°00' is not negative.
WholeMinutesAngle ToWholeMinutes(double angleDeg);

// The places and their search keys. Nothing is read until the first call
// that needs the places (so creating an Atlas costs nothing at start-up);
// loading takes a few tens of milliseconds and happens once per Atlas, safely
// when several threads ask at the same time. After loading the Atlas does not
// change: every const member may be called from any thread.
class Atlas {
public:
    Atlas();
    ~Atlas();
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

    // Places whose name matches a typed query, at most maxResults of them:
    // first those whose folded name is the query's first part exactly and
    // whose state or country is each further part exactly ("Bath" is Bath,
    // England before Bathinda), then exact names, then longer names that
    // begin with it; most populous first within each (ties by name, then
    // state).
    //
    // The query is split at commas. The first part must be the start of the
    // city's name; each further part must be the start of its state or of
    // its country, or its two-letter country code: "Springfield, Illinois",
    // "Paris, Texas", "Pune, Maharashtra, India", "Paris, FR". Comparison is
    // by FoldForSearch: case, accents, apostrophes and hyphens do not count
    // ("sao paulo" finds São Paulo, "tromso" Tromsø). A place whose name or
    // state holds a comma is also found by its own label, part by part.
    // A query whose first part folds to nothing finds nothing; empty further
    // parts are ignored; a query longer than four times the longest label
    // finds nothing (so the cost is bounded whatever its length).
    std::vector<Place> Search(std::string_view query, std::size_t maxResults) const;

    // Every place, in the library's order (by country). Loads on first use.
    const std::vector<Place>& Places() const;

    // Loads now instead of on the first search (e.g. from a worker thread
    // while the user is still typing). Calling it again does nothing.
    void Load() const;

private:
    struct Index;
    const Index& LoadedIndex() const;

    mutable std::once_flag loadOnce_;
    mutable std::unique_ptr<const Index> index_;
};

}  // namespace starwise::atlas
