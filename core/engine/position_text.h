// Texts that show an ecliptic longitude within its sign.
#pragma once

#include <string>
#include <string_view>

namespace starwise::engine {

// The twelve sign abbreviations, three characters each, Aries first:
// sign k (0..11) is the three characters at 3k.
inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Three-letter abbreviation of sign 0..11 (Aries .. Pisces).
std::string_view SignAbbreviation(int sign);

// Long position text of a longitude in degrees, |degrees| < 360:
// whole degrees within the sign, "° ", whole minutes, "' ", whole seconds,
// a double quote and a space, then the sign abbreviation; every part
// truncated, no leading zeros. 125.6952 -> 5° 41' 42" Leo.
// Throws std::domain_error for NaN or |degrees| >= 360.
std::string FormatLongPosition(double degrees);

// Short position text made from a long one: two-digit degrees, the sign,
// two-digit minutes, separated by single spaces ("05 Leo 41"); the seconds
// are dropped. Throws std::invalid_argument when the text has no degree
// sign followed by a minute mark.
std::string FormatShortPosition(std::string_view longText);

// Whole degrees 0..359 of a longitude as its position texts show them:
// 30 x sign + whole degrees within the sign = floor(|degrees|). Same domain
// and errors as FormatLongPosition.
int WholeDegreesOf(double degrees);

// FormatShortPosition(FormatLongPosition(degrees)) computed directly, without
// the intermediate text: the chart makes eleven of these per reading.
// Same domain and errors as FormatLongPosition.
std::string ShortPositionOf(double degrees);

}  // namespace starwise::engine
