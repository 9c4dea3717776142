// The Sun sign from the entered calendar date, and its profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/sun_signs.h"
#include "result/result.h"

namespace starwise::reading {

// Signs are indices 0 (Aries) .. 11 (Pisces), in the zodiac's order, which
// is also the order of content::kSunSignProfiles.
inline constexpr int kSignCount = 12;

// "Aries" .. "Pisces" for 0..11; empty for any other index.
std::string_view SignName(int sign);

// The sign (0..11) for month position 0..11 and day position
// 0..30 by the conventional calendar boundaries, the same in every year:
// Capricorn to 19 January, Aquarius 20 January - 18 February, Pisces
// 19 February - 20 March, Aries 21 March - 19 April, Taurus 20 April -
// 20 May, Gemini 21 May - 20 June, Cancer 21 June - 22 July, Leo 23 July -
// 22 August, Virgo 23 August - 22 September, Libra 23 September - 22 October,
// Scorpio 23 October - 21 November, Sagittarius 22 November - 21 December,
// Capricorn from 22 December. Nothing for a position outside those ranges.
std::optional<int> SunSignOf(int monthPosition, int dayPosition);

// The profile row of a sign 0..11, or nullptr for any other index.
const content::SunSignProfileRow* SunSignProfileOf(int sign);

// The Sun at birth standing in a neighbouring sign of the date's sign.
struct SunCusp {
    std::string sunPosition;       // short position text of the Sun, e.g. "29 Lib 27"
    int earlierSign;  // the two signs 0..11 in zodiac order (Pisces before Aries)
    int laterSign;
};

// The cusp when the Sun's sign, floor(sunLongitudeDeg / 30) counted from
// Aries, differs from dateSign (0..11); nothing when they are the same, when
// dateSign is not one of the twelve, or when the two signs are not
// neighbours (which the Sun's motion cannot produce).
// sunLongitudeDeg in degrees, [0, 360); status OutOfRange otherwise.
Result<std::optional<SunCusp>> SunCuspOf(double sunLongitudeDeg, int dateSign);

// One line for the reading: "At your birth the Sun stood at 29 Lib 27, on
// the cusp of Libra and Scorpio."
std::string SunCuspLine(const SunCusp& cusp);

// A sign's positive traits as shown: Leo's two stored paragraphs joined.
std::string PositiveTraitsOf(const content::SunSignProfileRow& profile);

}  // namespace starwise::reading
