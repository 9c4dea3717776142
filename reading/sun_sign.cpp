#include "reading/sun_sign.h"

#include <array>

#include "content/sun_signs.h"

namespace starwise::reading {
namespace {

struct SignBoundaryRow {
    int lastDayPositionOfFirstSign;  // day position 0..30
    std::string_view firstSign;
    std::string_view secondSign;     // from the next day to day 31
};

constexpr std::array<SignBoundaryRow, 12> kSignBoundaries{{
    {18, "Capricorn", "Aquarius"},    // January: 1..19
    {17, "Aquarius", "Pisces"},       // February: 1..18
    {19, "Pisces", "Aries"},          // March: 1..20
    {19, "Aries", "Taurus"},
    {19, "Taurus", "Gemini"},
    {19, "Gemini", "Cancer"},
    {19, "Cancer", "Leo"},
    {19, "Leo", "Virgo"},
    {19, "Virgo", "Libra"},
    {19, "Libra", "Scorpio"},
    {19, "Scorpio", "Sagittarius"},
    {19, "Sagittarius", "Capricorn"},  // December: 1..20
}};
static_assert(kSignBoundaries.size() == 12);

}  // namespace

std::optional<std::string_view> SunSignOf(int monthPosition, int dayPosition) {
    if (monthPosition < 0 || monthPosition > 11) return std::nullopt;
    const SignBoundaryRow& row = kSignBoundaries[static_cast<std::size_t>(monthPosition)];
    if (dayPosition >= 0 && dayPosition <= row.lastDayPositionOfFirstSign) return row.firstSign;
    if (dayPosition >= row.lastDayPositionOfFirstSign + 1 && dayPosition <= 30) return row.secondSign;
    return std::nullopt;
}

const content::SunSignProfileRow* SunSignProfileOf(std::string_view sunSignName) {
    for (const content::SunSignProfileRow& row : content::kSunSignProfiles) {
        if (row.sign == sunSignName) return &row;
    }
    return nullptr;
}

std::string PositiveTraitsOf(const content::SunSignProfileRow& profile) {
    std::string positive{profile.positiveTraits};
    positive += profile.positiveTraitsSecond;
    return positive;
}

}  // namespace starwise::reading
