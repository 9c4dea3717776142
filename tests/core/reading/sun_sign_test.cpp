// Sun sign from the entered date (the conventional day boundaries), the cusp
// line when the Sun stands in the neighbouring sign, and the profile it
// writes: captions, trait texts and picture, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "reading/sun_sign.h"

namespace {

using namespace starwise::reading;

TEST(SunSignOf, DayBoundariesOfEveryMonth) {
    struct Case { int month, day; std::optional<std::string_view> sign; };  // calendar month and day
    const Case kCases[] = {
        {1, 1, "Capricorn"},    {1, 19, "Capricorn"},  {1, 20, "Aquarius"},    {2, 18, "Aquarius"},
        {2, 19, "Pisces"},      {2, 31, "Pisces"},     {3, 20, "Pisces"},      {3, 21, "Aries"},
        {4, 19, "Aries"},       {4, 20, "Taurus"},     {5, 20, "Taurus"},      {5, 21, "Gemini"},
        {6, 20, "Gemini"},      {6, 21, "Cancer"},     {7, 22, "Cancer"},      {7, 23, "Leo"},
        {8, 22, "Leo"},         {8, 23, "Virgo"},      {9, 22, "Virgo"},       {9, 23, "Libra"},
        {10, 22, "Libra"},      {10, 23, "Scorpio"},   {11, 21, "Scorpio"},    {11, 22, "Sagittarius"},
        {12, 21, "Sagittarius"}, {12, 22, "Capricorn"}, {12, 31, "Capricorn"},
        // Positions outside the lists: no sign.
        {1, 0, std::nullopt},  {7, 32, std::nullopt}, {0, 10, std::nullopt}, {13, 10, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "month position " << c.month - 1 << ", day position " << c.day - 1);
        const std::optional<int> sign = SunSignOf(c.month - 1, c.day - 1);
        EXPECT_EQ(sign ? std::optional<std::string_view>(SignName(*sign)) : std::nullopt, c.sign);
    }
}

TEST(SunCuspOf, NamesTheSunsSignWhenTheDateGivesItsNeighbour) {
    struct Case { double sunDeg; std::string_view dateSign; std::optional<std::string> line; };
    const Case kCases[] = {
        // 1975-10-23 12:00 GMT: Scorpio by the date, the Sun still in Libra.
        {209.4582, "Scorpio", "At your birth the Sun stood at 29 Lib 27, on the cusp of Libra and Scorpio."},
        {210.17, "Libra", "At your birth the Sun stood at 00 Sco 10, on the cusp of Libra and Scorpio."},
        {359.99, "Aries", "At your birth the Sun stood at 29 Pis 59, on the cusp of Pisces and Aries."},
        {0.0, "Pisces", "At your birth the Sun stood at 00 Ari 00, on the cusp of Pisces and Aries."},
        {29.9999, "Taurus", "At your birth the Sun stood at 29 Ari 59, on the cusp of Aries and Taurus."},
        // Same sign, a sign two away, or no sign: nothing to say.
        {209.4582, "Libra", std::nullopt}, {30.0, "Taurus", std::nullopt},
        {209.4582, "Sagittarius", std::nullopt}, {209.4582, "", std::nullopt},
    };
    const auto signOf = [](std::string_view name) {
        for (int sign = 0; sign < kSignCount; ++sign) {
            if (SignName(sign) == name) return sign;
        }
        return -1;
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "Sun " << c.sunDeg << ", date sign \"" << c.dateSign << "\"");
        const auto result = SunCuspOf(c.sunDeg, signOf(c.dateSign));
        ASSERT_TRUE(result.Ok()) << result.detail;
        const std::optional<SunCusp>& cusp = result.value;
        EXPECT_EQ(cusp ? std::optional<std::string>(SunCuspLine(*cusp)) : std::nullopt, c.line);
    }
    for (const double outside : {-0.5, 360.0, std::nan("")}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(SunCuspOf(outside, 0).status, starwise::Status::OutOfRange);
    }
}

TEST(SunSignProfileOf, RowOfTheSignOnly) {
    // The rows' texts are pinned by content_test; here only which row.
    const auto signOf = [](int sign) {
        const starwise::content::SunSignProfileRow* row = SunSignProfileOf(sign);
        return row ? std::string{row->sign} : std::string{"(no row)"};
    };
    EXPECT_EQ(signOf(4), "Leo");
    EXPECT_EQ(signOf(11), "Pisces");
    EXPECT_EQ(signOf(-1), "(no row)");  // indices outside 0..11
    EXPECT_EQ(signOf(12), "(no row)");
    // Leo's two stored paragraphs are shown back to back, nothing between.
    const std::string positive = PositiveTraitsOf(*SunSignProfileOf(4));
    EXPECT_NE(positive.find("optimistic about everything.You have a proud and dignified presence"), std::string::npos)
        << "Leo's positive traits lack the join: " << positive;
}

}  // namespace
