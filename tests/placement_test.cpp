// House placement: degree indices of short position texts, the cusp chain,
// and which bodies land in the fourth, eighth and twelfth houses.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "content/house_texts.h"
#include "houses/placement.h"

namespace {

using namespace starwise;
using houses::DegreeIndex;
using houses::HousePlacement;

// A chart whose every body (and the Ascendant) stands at `ascendant`, so all
// of them are in the first house until a test moves one.
engine::NatalChart ChartAt(std::string_view ascendant) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) {
        chart.Bodies[b].BodyName = engine::kBodyNames[b];
        chart.Bodies[b].PositionText = ascendant;
    }
    return chart;
}

TEST(DegreeIndex, CountsWholeDegreesFromTheStartOfAries) {
    struct Case { std::string_view text; int expected; };
    constexpr Case kCases[] = {
        {"00 Ari 12", 1},   {"29 Ari 59", 30},  {"00 Tau 00", 31},  {"05 Leo 41", 126}, {"12 Gem 50", 73},
        {"12 Gem 05", 73},  {"11 Gem 59", 72},  {"00 Sco 20", 211}, {"15 Cap 00", 286}, {"29 Pis 59", 360},
        {"05 Leo", 126},  // only the first six characters count
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(DegreeIndex(c.text), c.expected);
    }
}

TEST(DegreeIndex, RejectsMalformedTexts) {
    constexpr std::string_view kTexts[] = {"",          "05 Le",     "5 Leo 41",  "30 Leo 00", "05 leo 41",
                                           "05-Leo 41", "0x Ari 00", "05 XYZ 00", "05 riT 00", "-5 Ari 00"};
    for (const std::string_view text : kTexts) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        EXPECT_THROW(DegreeIndex(text), std::invalid_argument);
    }
}

TEST(HouseCusps, WholeDegreeChainFromTheAscendant) {
    struct Case { int ascendant, house, start, end; };
    constexpr Case kCases[] = {
        {1, 1, 1, 30},      {1, 4, 91, 120},    {1, 8, 211, 240},  {1, 12, 331, 360},
        {360, 1, 360, 29},  {360, 2, 30, 59},   {360, 4, 90, 119}, {360, 12, 330, 359},
        {286, 1, 286, 315}, {286, 4, 16, 45},   {286, 12, 256, 285},
        {20, 12, 350, 19},  {331, 1, 331, 360}, {331, 2, 1, 30},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "ascendant index " << c.ascendant << ", house " << c.house);
        const houses::HouseCusp cusp = houses::HouseCusps(c.ascendant)[c.house - 1];
        EXPECT_EQ(cusp.start, c.start);
        EXPECT_EQ(cusp.end, c.end);
    }
}

TEST(PlaceBodies, WholeDegreeHousesAroundTheAscendant) {
    using enum engine::Body;
    struct Case { std::string_view ascendant; int body; std::string_view text; int house; };
    constexpr Case kCases[] = {
        // A body a few minutes before the Ascendant but in its whole degree is in the first house.
        {"12 Gem 50", kSun, "12 Gem 05", 1},     {"12 Gem 50", kSun, "11 Gem 59", 12},
        {"12 Gem 50", kMoon, "12 Vir 00", 4},    {"12 Gem 50", kMoon, "11 Vir 59", 3},
        {"00 Ari 30", kMars, "00 Can 00", 4},    {"00 Ari 30", kMars, "29 Can 59", 4},
        {"00 Ari 30", kMars, "00 Leo 00", 5},    {"00 Ari 30", kJupiter, "00 Sco 20", 8},
        {"00 Ari 30", kJupiter, "29 Sco 59", 8}, {"00 Ari 30", kPluto, "29 Pis 59", 12},
        {"00 Ari 30", kPluto, "00 Ari 00", 1},
        // Ascendant in the last degree of Pisces: the first house runs on into Aries.
        {"29 Pis 10", kVenus, "29 Pis 50", 1},   {"29 Pis 10", kVenus, "00 Ari 00", 1},
        {"29 Pis 10", kVenus, "29 Ari 00", 2},   {"29 Pis 10", kSaturn, "29 Gem 00", 4},
        {"29 Pis 10", kSaturn, "28 Can 00", 4},  {"29 Pis 10", kSaturn, "29 Can 00", 5},
        {"29 Pis 10", kNeptune, "29 Aqu 00", 12}, {"29 Pis 10", kNeptune, "28 Pis 59", 12},
        // Ascendant 15 Cap: the fourth house starts at index 16 after wrapping.
        {"15 Cap 00", kMercury, "05 Ari 00", 3}, {"15 Cap 00", kMercury, "15 Ari 59", 4},
        {"15 Cap 00", kMercury, "14 Tau 00", 4}, {"15 Cap 00", kMercury, "15 Tau 00", 5},
        {"15 Cap 00", kUranus, "15 Leo 00", 8},  {"15 Cap 00", kUranus, "14 Vir 00", 8},
        {"15 Cap 00", kUranus, "15 Sag 00", 12}, {"15 Cap 00", kUranus, "14 Cap 59", 12},
        // Twelfth house from index 350 to 19, across the end of Pisces.
        {"19 Ari 00", kSun, "25 Pis 00", 12},    {"19 Ari 00", kSun, "10 Ari 00", 12},
        {"19 Ari 00", kSun, "19 Ari 59", 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "Ascendant " << c.ascendant << ", " << engine::kBodyNames[c.body]
                                        << " at " << c.text << ", expected house " << c.house);
        engine::NatalChart chart = ChartAt(c.ascendant);
        chart.Bodies[c.body].PositionText = c.text;
        HousePlacement placement;
        houses::PlaceBodies(chart, placement);

        EXPECT_EQ(placement.houseOfBody[c.body], c.house);
        EXPECT_EQ(placement.inFourth[c.body], c.house == 4);
        EXPECT_EQ(placement.inEighth[c.body], c.house == 8);
        EXPECT_EQ(placement.inTwelfth[c.body], c.house == 12);
        for (const int house : houses::kReportedHouses) {
            EXPECT_EQ(placement.houseOccupied[house - 1], c.house == house) << "occupied flag of house " << house;
        }
        const content::BodyInHouseRow& texts = content::kBodyInHouse[c.body];
        if (c.house == 4) {
            EXPECT_EQ(placement.houseName[c.body], "Fourth House");
            EXPECT_EQ(placement.houseText[c.body], texts.inFourth);
        } else if (c.house == 8) {
            EXPECT_EQ(placement.houseName[c.body], "Eighth House");
            EXPECT_EQ(placement.houseText[c.body], texts.inEighth);
        } else if (c.house == 12) {
            EXPECT_EQ(placement.houseName[c.body], "Twelfth  House");
            EXPECT_EQ(placement.houseText[c.body], texts.inTwelfth);
        }
    }
}

TEST(PlaceBodies, TwoBodiesInOneHouseSetBothFlags) {
    engine::NatalChart chart = ChartAt("00 Ari 30");
    chart.Bodies[engine::kSun].PositionText = "10 Can 00";
    chart.Bodies[engine::kMoon].PositionText = "20 Can 40";
    HousePlacement placement;
    houses::PlaceBodies(chart, placement);
    EXPECT_TRUE(placement.inFourth[engine::kSun]);
    EXPECT_TRUE(placement.inFourth[engine::kMoon]);
    EXPECT_TRUE(placement.houseOccupied[3]);
    EXPECT_FALSE(placement.houseOccupied[7]);
    EXPECT_FALSE(placement.houseOccupied[11]);
}

TEST(PlaceBodies, SecondReadingClearsTheFirstReadingsFlags) {
    engine::NatalChart first = ChartAt("00 Ari 30");
    first.Bodies[engine::kMars].PositionText = "10 Sco 00";   // eighth
    first.Bodies[engine::kSun].PositionText = "10 Can 00";    // fourth
    first.Bodies[engine::kPluto].PositionText = "10 Pis 00";  // twelfth
    engine::NatalChart second = ChartAt("00 Ari 30");
    second.Bodies[engine::kMars].PositionText = "10 Tau 00";  // second

    HousePlacement placement;
    houses::PlaceBodies(first, placement);
    ASSERT_TRUE(placement.inEighth[engine::kMars]);
    houses::PlaceBodies(second, placement);
    for (int b = 0; b < engine::kReadingBodies; ++b) {
        SCOPED_TRACE(testing::Message() << engine::kBodyNames[b] << " after the second reading");
        EXPECT_FALSE(placement.IsReported(b));
    }
    for (int house = 1; house <= 12; ++house) {
        EXPECT_FALSE(placement.houseOccupied[house - 1]) << "house " << house;
    }
    EXPECT_EQ(placement.houseOfBody[engine::kMars], 2);
}

}  // namespace
