#include "reading/sun_sign.h"

#include <array>
#include <cmath>

#include "content/sun_signs.h"
#include "engine/angles.h"
#include "engine/position_text.h"

namespace starwise::reading {
namespace {

enum Sign : int { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

struct SignBoundaryRow {
    int lastDayOfFirstSign;  // calendar day 1..31
    Sign firstSign;
    Sign secondSign;         // from the next day to day 31
};

constexpr std::array<SignBoundaryRow, 12> kSignBoundaries{{
    {19, Capricorn, Aquarius},     // January
    {18, Aquarius, Pisces},        // February
    {20, Pisces, Aries},           // March
    {19, Aries, Taurus},           // April
    {20, Taurus, Gemini},          // May
    {20, Gemini, Cancer},          // June
    {22, Cancer, Leo},             // July
    {22, Leo, Virgo},              // August
    {22, Virgo, Libra},            // September
    {22, Libra, Scorpio},          // October
    {21, Scorpio, Sagittarius},    // November
    {21, Sagittarius, Capricorn},  // December
}};
static_assert(kSignBoundaries.size() == 12);

}  // namespace

std::string_view SignName(int sign) {
    if (sign < 0 || sign >= kSignCount) return {};
    return content::kSunSignProfiles[static_cast<std::size_t>(sign)].sign;
}

std::optional<int> SunSignOf(int monthPosition, int dayPosition) {
    if (monthPosition < 0 || monthPosition > 11) return std::nullopt;
    if (dayPosition < 0 || dayPosition > 30) return std::nullopt;
    const SignBoundaryRow& row = kSignBoundaries[static_cast<std::size_t>(monthPosition)];
    return dayPosition + 1 <= row.lastDayOfFirstSign ? row.firstSign : row.secondSign;
}

Result<std::optional<SunCusp>> SunCuspOf(double sunLongitudeDeg, int dateSign) {
    using Cusp = Result<std::optional<SunCusp>>;
    if (!engine::IsInOneTurn(sunLongitudeDeg)) {
        return Cusp::Failed(Status::OutOfRange, "the Sun's longitude is outside [0, 360)");
    }
    // Whole degrees first, as the position text takes its sign.
    const int sunSign = static_cast<int>(std::floor(sunLongitudeDeg)) / 30;
    if (dateSign < 0 || dateSign >= kSignCount || dateSign == sunSign) return Cusp::Of(std::nullopt);
    std::string position = engine::ShortPositionOf(sunLongitudeDeg);
    if ((sunSign + 1) % kSignCount == dateSign) return Cusp::Of(SunCusp{std::move(position), sunSign, dateSign});
    if ((dateSign + 1) % kSignCount == sunSign) return Cusp::Of(SunCusp{std::move(position), dateSign, sunSign});
    return Cusp::Of(std::nullopt);
}

const content::SunSignProfileRow* SunSignProfileOf(int sign) {
    if (sign < 0 || sign >= kSignCount) return nullptr;
    return &content::kSunSignProfiles[static_cast<std::size_t>(sign)];
}

std::string SunCuspLine(const SunCusp& cusp) {
    std::string line = "At your birth the Sun stood at ";
    line += cusp.sunPosition;
    line += ", on the cusp of ";
    line += SignName(cusp.earlierSign);
    line += " and ";
    line += SignName(cusp.laterSign);
    line += '.';
    return line;
}

std::string PositiveTraitsOf(const content::SunSignProfileRow& profile) {
    std::string positive{profile.positiveTraits};
    positive += profile.positiveTraitsSecond;
    return positive;
}

}  // namespace starwise::reading
