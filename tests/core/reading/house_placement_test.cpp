// House placement: degree indices of longitudes and which bodies
// land in the fourth, eighth and twelfth whole-degree houses.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "content/house_texts.h"
#include "reading/house_placement.h"
#include "test_support.h"

namespace {

using namespace starwise;
using reading::HousePlacement;

// A chart whose every body (and the Ascendant) stands at `ascendant`, so all
// of them are in the first house until a test moves one.
engine::NatalChart ChartAt(std::string_view ascendant) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) {
        chart.bodies[b].name = engine::kBodyNames[b];
        test::PlaceAt(chart.bodies[b], ascendant);
    }
    return chart;
}

// The degree index read from a position text's characters (30 x sign + its
// two degree digits + 1) and the one computed from the longitude agree for
// every longitude, including those a hair below a sign or degree boundary.
TEST(DegreeIndexOf, AgreesWithTheDigitsOfThePositionText) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> longitude(0.0, 360.0);
    for (int i = 0; i < 20000; ++i) {
        double degrees = longitude(random);
        if (i % 4 == 0) degrees = std::nextafter(std::floor(degrees), 0.0);  // just below a whole degree
        const std::string text = engine::ShortPositionOf(degrees);
        const int fromText = 30 * static_cast<int>(engine::kSignAbbreviations.find(text.substr(3, 3)) / 3) +
                             std::stoi(text.substr(0, 2)) + 1;
        ASSERT_EQ(reading::DegreeIndexOf(degrees), fromText) << degrees << " shown as " << text;
    }
    EXPECT_THROW(reading::DegreeIndexOf(std::nan("")), std::domain_error);
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
        test::PlaceAt(chart.bodies[c.body], c.text);
        const HousePlacement placement = reading::PlaceBodies(chart);

        EXPECT_EQ(placement.houseOfBody[c.body], c.house);
        EXPECT_EQ(placement.inFourth[c.body], c.house == 4);
        EXPECT_EQ(placement.inEighth[c.body], c.house == 8);
        EXPECT_EQ(placement.inTwelfth[c.body], c.house == 12);
        for (const int house : reading::kReportedHouses) {
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

}  // namespace
