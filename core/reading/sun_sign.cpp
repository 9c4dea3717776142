#include "reading/sun_sign.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "content/sun_signs.h"
#include "engine/position_text.h"

namespace starwise::reading {
namespace {

struct SignBoundaryRow {
    int lastDayOfFirstSign;          // calendar day 1..31
    std::string_view firstSign;
    std::string_view secondSign;     // from the next day to day 31
};

constexpr std::array<SignBoundaryRow, 12> kSignBoundaries{{
    {19, "Capricorn", "Aquarius"},     // January
    {18, "Aquarius", "Pisces"},        // February
    {20, "Pisces", "Aries"},           // March
    {19, "Aries", "Taurus"},           // April
    {20, "Taurus", "Gemini"},          // May
    {20, "Gemini", "Cancer"},          // June
    {22, "Cancer", "Leo"},             // July
    {22, "Leo", "Virgo"},              // August
    {22, "Virgo", "Libra"},            // September
    {22, "Libra", "Scorpio"},          // October
    {21, "Scorpio", "Sagittarius"},    // November
    {21, "Sagittarius", "Capricorn"},  // December
}};
static_assert(kSignBoundaries.size() == 12);

}  // namespace

std::optional<std::string_view> SunSignOf(int monthPosition, int dayPosition) {
    if (monthPosition < 0 || monthPosition > 11) return std::nullopt;
    if (dayPosition < 0 || dayPosition > 30) return std::nullopt;
    const SignBoundaryRow& row = kSignBoundaries[static_cast<std::size_t>(monthPosition)];
    return dayPosition + 1 <= row.lastDayOfFirstSign ? row.firstSign : row.secondSign;
}

std::optional<SunCusp> SunCuspOf(double sunLongitudeDeg, std::string_view dateSignName) {
    if (!(sunLongitudeDeg >= 0.0 && sunLongitudeDeg < 360.0)) {
        throw std::domain_error("Sun longitude outside [0, 360)");
    }
    const auto& signs = content::kSunSignProfiles;  // Aries first
    // Whole degrees first, as the position text takes its sign.
    const std::size_t sunSign = static_cast<std::size_t>(std::floor(sunLongitudeDeg)) / 30;
    std::size_t dateSign = 0;
    while (dateSign < signs.size() && signs[dateSign].sign != dateSignName) ++dateSign;
    if (dateSign == signs.size() || dateSign == sunSign) return std::nullopt;
    std::string position = engine::ShortPositionOf(sunLongitudeDeg);
    if ((sunSign + 1) % 12 == dateSign) return SunCusp{std::move(position), signs[sunSign].sign, signs[dateSign].sign};
    if ((dateSign + 1) % 12 == sunSign) return SunCusp{std::move(position), signs[dateSign].sign, signs[sunSign].sign};
    return std::nullopt;
}

const content::SunSignProfileRow* SunSignProfileOf(std::string_view sunSignName) {
    for (const content::SunSignProfileRow& row : content::kSunSignProfiles) {
        if (row.sign == sunSignName) return &row;
    }
    return nullptr;
}

std::string SunCuspLine(const SunCusp& cusp) {
    std::string line = "At your birth the Sun stood at ";
    line += cusp.sunPosition;
    line += ", on the cusp of ";
    line += cusp.earlierSign;
    line += " and ";
    line += cusp.laterSign;
    line += '.';
    return line;
}

std::string PositiveTraitsOf(const content::SunSignProfileRow& profile) {
    std::string positive{profile.positiveTraits};
    positive += profile.positiveTraitsSecond;
    return positive;
}

}  // namespace starwise::reading
