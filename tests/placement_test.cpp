// House placement: degree indices of short position texts and which bodies
// land in the fourth, eighth and twelfth whole-degree houses.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "content/house_texts.h"
#include "houses/placement.h"

namespace {

using namespace starwise;
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

TEST(DegreeIndex, WholeDegreesFromTheStartOfAriesOrRejected) {
    struct Case { std::string_view text; int expected; };  // 0: must throw
    constexpr Case kCases[] = {
        {"00 Ari 12", 1}, {"29 Ari 59", 30}, {"00 Tau 00", 31}, {"12 Gem 50", 73}, {"11 Gem 59", 72},
        {"15 Cap 00", 286}, {"29 Pis 59", 360}, {"05 Leo", 126},  // only the first six characters count
        {"", 0}, {"05 Le", 0}, {"5 Leo 41", 0}, {"30 Leo 00", 0}, {"05 leo 41", 0}, {"05-Leo 41", 0},
        {"0x Ari 00", 0}, {"05 XYZ 00", 0}, {"-5 Ari 00", 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\", expected " << c.expected);
        if (c.expected == 0) {
            EXPECT_THROW(houses::DegreeIndex(c.text), std::invalid_argument);
        } else {
            EXPECT_EQ(houses::DegreeIndex(c.text), c.expected);
        }
    }
}

TEST(PlaceBodies, WholeDegreeHousesAroundTheAscendant) {
    using enum engine::Body;
    struct Case { std::string_view ascendant; int body; std::string_view text; int house; };
    constexpr Case kCases[] = {
        // A body minutes before the Ascendant but in its whole degree is in the first house.
        {"12 Gem 50", kSun, "12 Gem 05", 1}, {"12 Gem 50", kSun, "11 Gem 59", 12}, {"12 Gem 50", kMoon, "12 Vir 00", 4},
        {"12 Gem 50", kMoon, "11 Vir 59", 3}, {"00 Ari 30", kMars, "29 Can 59", 4}, {"00 Ari 30", kMars, "00 Leo 00", 5},
        {"00 Ari 30", kJupiter, "00 Sco 20", 8}, {"00 Ari 30", kPluto, "29 Pis 59", 12},
        // Ascendant in the last degree of Pisces: the first house runs on into Aries.
        {"29 Pis 10", kVenus, "00 Ari 00", 1}, {"29 Pis 10", kVenus, "29 Ari 00", 2}, {"29 Pis 10", kSaturn, "28 Can 00", 4},
        {"29 Pis 10", kSaturn, "29 Can 00", 5}, {"29 Pis 10", kNeptune, "28 Pis 59", 12},
        // Ascendant 15 Cap: the fourth house starts at index 16 after wrapping.
        {"15 Cap 00", kMercury, "05 Ari 00", 3}, {"15 Cap 00", kMercury, "15 Ari 59", 4},
        {"15 Cap 00", kUranus, "14 Vir 00", 8}, {"15 Cap 00", kUranus, "14 Cap 59", 12},
        // Twelfth house from index 350 to 19, across the end of Pisces.
        {"19 Ari 00", kSun, "25 Pis 00", 12}, {"19 Ari 00", kSun, "10 Ari 00", 12}, {"19 Ari 00", kSun, "19 Ari 59", 1},
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
        struct Named { int house; std::string_view name, text; };
        for (const Named& n : {Named{4, "Fourth House", texts.inFourth}, Named{8, "Eighth House", texts.inEighth},
                               Named{12, "Twelfth  House", texts.inTwelfth}}) {
            if (c.house != n.house) continue;
            EXPECT_EQ(placement.houseName[c.body], n.name);
            EXPECT_EQ(placement.houseText[c.body], n.text);
        }
    }
}

TEST(PlaceBodies, SecondReadingClearsTheFirstReadingsFlags) {
    engine::NatalChart chart = ChartAt("00 Ari 30");
    chart.Bodies[engine::kMars].PositionText = "10 Sco 00";   // eighth
    chart.Bodies[engine::kSun].PositionText = "10 Can 00";    // fourth
    chart.Bodies[engine::kPluto].PositionText = "10 Pis 00";  // twelfth
    HousePlacement placement;
    houses::PlaceBodies(chart, placement);
    ASSERT_TRUE(placement.inEighth[engine::kMars]);
    chart = ChartAt("00 Ari 30");
    chart.Bodies[engine::kMars].PositionText = "10 Tau 00";  // second
    houses::PlaceBodies(chart, placement);
    for (int b = 0; b < engine::kReadingBodies; ++b) {
        EXPECT_FALSE(placement.IsReported(b)) << engine::kBodyNames[b] << " still reported after the second reading";
    }
    for (int house = 1; house <= 12; ++house) {
        EXPECT_FALSE(placement.houseOccupied[house - 1]) << "house " << house << " still occupied";
    }
    EXPECT_EQ(placement.houseOfBody[engine::kMars], 2);
}

}  // namespace
