// The Sun sign from the entered calendar date, and its profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/sun_signs.h"

namespace starwise::reading {

// Sign name ("Aries" .. "Pisces") for month position 0..11 and day position
// 0..30 by fixed day boundaries (the first sign up to the 19th of January,
// the 18th of February and the 20th of the other months). Nothing for a
// position outside those ranges.
std::optional<std::string_view> SunSignOf(int monthPosition, int dayPosition);

// The profile row of a sign name ("Aries" .. "Pisces"), or nullptr.
const content::SunSignProfileRow* SunSignProfileOf(std::string_view sunSignName);

// A sign's positive traits as shown: Leo's two stored paragraphs joined.
std::string PositiveTraitsOf(const content::SunSignProfileRow& profile);

}  // namespace starwise::reading
