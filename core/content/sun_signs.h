// Sun-sign profiles: one row per sign, Aries first.
// Short columns are shown on the report exactly as written here; the trait
// paragraphs are ours. Leo's positive traits are two stored paragraphs that
// the report joins with nothing between them (positiveTraitsSecond is empty
// in every other row).
#pragma once

#include <array>
#include <string_view>

namespace starwise::content {

struct SunSignProfileRow {
    std::string_view sign;             // English name, "Aries" .. "Pisces"
    std::string_view element;          // "Fire", "Earth", "Air", "Water"
    std::string_view luckyNumber;      // e.g. "8 and 9"
    std::string_view luckyDay;         // e.g. "Sunday"
    std::string_view compatibleSigns;  // e.g. "Aries and Sagittarius"
    std::string_view birthStone;       // e.g. "Ruby"
    std::string_view positiveTraits;
    std::string_view positiveTraitsSecond;  // Leo only; joined with no separator
    std::string_view negativeTraits;
    int pictureNumber;                 // 1..12, the sign picture's number
};

extern const std::array<SunSignProfileRow, 12> kSunSignProfiles;

}  // namespace starwise::content
