// The Sun sign from the entered calendar date, and its profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/report_view.h"

namespace starwise::reading {

// Sign name ("Aries" .. "Pisces") for month position 0..11 and day position
// 0..30 by fixed day boundaries (the first sign up to the 19th of January,
// the 18th of February and the 20th of the other months). Nothing for a
// position outside those ranges.
std::optional<std::string_view> SunSignOf(int monthPosition, int dayPosition);

// Sets sunSignName when the date names a sign; otherwise leaves it.
void ChooseSunSign(int monthPosition, int dayPosition, std::string& sunSignName);

// Writes the sign name and, when it is one of the twelve, its profile and
// picture.
void FillSunSignProfile(std::string_view sunSignName, ReportView& view);

}  // namespace starwise::reading
