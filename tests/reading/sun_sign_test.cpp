// Sun sign from the entered date (fixed day boundaries) and the profile it
// writes: captions, trait texts and picture, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/sun_sign.h"

namespace {

using namespace starwise::reading;

TEST(SunSignOf, DayBoundariesOfEveryMonth) {
    struct Case { int month, day; std::optional<std::string_view> sign; };  // calendar month and day
    const Case kCases[] = {
        {1, 19, "Capricorn"},  {1, 20, "Aquarius"},   {2, 18, "Aquarius"},  {2, 19, "Pisces"},
        {2, 31, "Pisces"},     {3, 20, "Pisces"},     {3, 21, "Aries"},     {4, 20, "Aries"},
        {4, 21, "Taurus"},     {5, 20, "Taurus"},     {5, 21, "Gemini"},    {6, 20, "Gemini"},
        {6, 21, "Cancer"},     {7, 20, "Cancer"},     {7, 21, "Leo"},       {8, 20, "Leo"},
        {8, 21, "Virgo"},      {9, 20, "Virgo"},      {9, 21, "Libra"},     {10, 20, "Libra"},
        {10, 21, "Scorpio"},   {11, 20, "Scorpio"},   {11, 21, "Sagittarius"}, {12, 20, "Sagittarius"},
        {12, 21, "Capricorn"}, {12, 31, "Capricorn"},
        // Positions outside the lists: no sign.
        {1, 0, std::nullopt},  {7, 32, std::nullopt}, {0, 10, std::nullopt}, {13, 10, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "month position " << c.month - 1 << ", day position " << c.day - 1);
        EXPECT_EQ(SunSignOf(c.month - 1, c.day - 1), c.sign);
    }
}

TEST(SunSignProfileOf, RowOfTheSignNameOnly) {
    struct Case { std::string_view sign; std::string_view element; std::string_view birthStone; int picture; };
    const Case kCases[] = {
        {"Leo", "Fire", "Ruby", 5}, {"Pisces", "Water", "Aquamarine", 12},
        // Names that are not one of the twelve as written have no row.
        {"", "", "", 0}, {"aries", "", "", 0}, {"Leo ", "", "", 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "sign \"" << c.sign << "\"");
        const starwise::content::SunSignProfileRow* row = SunSignProfileOf(c.sign);
        if (c.picture == 0) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->element, c.element);
        EXPECT_EQ(row->birthStone, c.birthStone);
        EXPECT_EQ(row->pictureNumber, c.picture);
    }
    // Leo's two stored paragraphs are shown back to back, nothing between.
    const std::string positive = PositiveTraitsOf(*SunSignProfileOf("Leo"));
    EXPECT_NE(positive.find("optimistic about everything.You have a proud and dignified presence"), std::string::npos)
        << "Leo's positive traits lack the join: " << positive;
}

}  // namespace
