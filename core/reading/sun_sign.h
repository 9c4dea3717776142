// The Sun sign from the entered calendar date, and its profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/sun_signs.h"

namespace starwise::reading {

// Sign name ("Aries" .. "Pisces") for month position 0..11 and day position
// 0..30 by the conventional calendar boundaries, the same in every year:
// Capricorn to 19 January, Aquarius 20 January - 18 February, Pisces
// 19 February - 20 March, Aries 21 March - 19 April, Taurus 20 April -
// 20 May, Gemini 21 May - 20 June, Cancer 21 June - 22 July, Leo 23 July -
// 22 August, Virgo 23 August - 22 September, Libra 23 September - 22 October,
// Scorpio 23 October - 21 November, Sagittarius 22 November - 21 December,
// Capricorn from 22 December. Nothing for a position outside those ranges.
std::optional<std::string_view> SunSignOf(int monthPosition, int dayPosition);

// The profile row of a sign name ("Aries" .. "Pisces"), or nullptr.
const content::SunSignProfileRow* SunSignProfileOf(std::string_view sunSignName);

// The Sun at birth standing in a neighbouring sign of the date's sign.
struct SunCusp {
    std::string sunPosition;       // short position text of the Sun, e.g. "29 Lib 27"
    std::string_view earlierSign;  // the two signs in zodiac order (Pisces before Aries)
    std::string_view laterSign;
};

// The cusp when the Sun's sign, floor(sunLongitudeDeg / 30) counted from
// Aries, differs from dateSignName ("Aries" .. "Pisces"); nothing when they
// are the same, when dateSignName is not one of the twelve, or when the two
// signs are not neighbours (which the Sun's motion cannot produce).
// sunLongitudeDeg in degrees, [0, 360); throws std::domain_error otherwise.
std::optional<SunCusp> SunCuspOf(double sunLongitudeDeg, std::string_view dateSignName);

// One line for the reading: "At your birth the Sun stood at 29 Lib 27, on
// the cusp of Libra and Scorpio."
std::string SunCuspLine(const SunCusp& cusp);

// A sign's positive traits as shown: Leo's two stored paragraphs joined.
std::string PositiveTraitsOf(const content::SunSignProfileRow& profile);

}  // namespace starwise::reading
