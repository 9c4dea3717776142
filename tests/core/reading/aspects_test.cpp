// Semi-sextile and quincunx: the rounding windows, the pair across 0 Aries,
// the order of the lines, and the nine styled pieces of the section.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reading/aspects.h"
#include "report_blocks.h"

namespace {

using namespace starwise;
using namespace starwise::test;
using reading::Aspect;

TEST(AspectBetween, RoundedWindowsAndTheReducedDifference) {
    constexpr std::string_view kNames[] = {"none", "semi-sextile", "quincunx"};
    struct Case { double i, j; Aspect expected; };
    constexpr Case kCases[] = {
        {40.3, 10.0, Aspect::SemiSextile}, {10.0, 40.3, Aspect::None},  // only the body ahead counts
        {37.5, 10.0, Aspect::SemiSextile}, {42.5, 10.0, Aspect::SemiSextile},  // 27.5 -> 28, 32.5 -> 32
        {37.4, 10.0, Aspect::None},        {42.6, 10.0, Aspect::None},
        {156.5, 10.0, Aspect::None},       {163.5, 10.0, Aspect::None},  // 146.5 -> 146, 153.5 -> 154
        {156.6, 10.0, Aspect::Quincunx},   {163.4, 10.0, Aspect::Quincunx},
        // Across 0 Aries.
        {25.0, 355.0, Aspect::SemiSextile}, {355.0, 25.0, Aspect::None},
        {2.5, 335.0, Aspect::SemiSextile},  {0.5, 328.0, Aspect::SemiSextile},  // 27.5 and 32.5 after reduction
        {2.4, 335.0, Aspect::None},         {0.0, 210.0, Aspect::Quincunx},
        {210.0, 0.0, Aspect::None},         {10.0, 190.0, Aspect::None},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "longitude i " << c.i << ", longitude j " << c.j);
        EXPECT_EQ(kNames[static_cast<int>(reading::AspectBetween(c.i, c.j))],
                  kNames[static_cast<int>(c.expected)]);
    }
}

// Ten body longitudes (Sun .. Pluto) and the Ascendant's.
engine::NatalChart ChartOf(const std::array<double, engine::kChartBodies>& longitudes) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) {
        chart.bodies[b].name = engine::kBodyNames[b];
        chart.bodies[b].longitudeDeg = longitudes[b];
    }
    return chart;
}

// Bodies not under test stand together at 200 degrees, in no aspect with the
// others (and at 0 degrees from one another).
constexpr double X = 200.0;

TEST(FindAspects, EachPairOnceInOrderOfTheFirstThenTheSecondBody) {
    using Lines = std::vector<std::string>;
    struct Case { const char* label; std::array<double, engine::kChartBodies> longitudes; Lines quincunx, semi; };
    const Case kCases[] = {
        {"Sun 355, Moon 25 across 0 Aries", {355.0, 25.0, X, X, X, X, X, X, X, X, X}, {}, {"Moon-Sun"}},
        {"Ascendant 30 ahead of the Sun takes no part", {100.0, X, X, X, X, X, X, X, X, X, 130.0}, {}, {}},
        {"several pairs; the Moon 30 ahead of the Ascendant takes no part",
         {100.0, 70.0, 130.0, 250.0, X, X, X, X, 280.0, X, 40.0},
         {"Moon-Neptune", "Venus-Sun", "Neptune-Mercury"},
         {"Sun-Moon", "Mercury-Sun", "Neptune-Venus"}},
        {"nothing in either window", {0.0, 40.0, 80.0, 120.0, 160.0, 200.0, 240.0, 280.0, 320.0, 20.0, 10.0}, {}, {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        const reading::AspectPairs pairs = reading::FindAspects(ChartOf(c.longitudes));
        const auto names = [](const std::vector<reading::AspectPair>& found) {
            Lines shown;
            for (const reading::AspectPair& pair : found) shown.push_back(reading::PairName(pair));
            return shown;
        };
        EXPECT_EQ(names(pairs.quincunx), c.quincunx);
        EXPECT_EQ(names(pairs.semiSextile), c.semi);
    }
}

TEST(AspectSection, NinePiecesOfTheirKinds) {
    struct Case { const char* label; std::array<double, engine::kChartBodies> longitudes; std::string q, s; };
    const Case kCases[] = {
        {"no pair", {X, X, X, X, X, X, X, X, X, X, X}, "Not Present\r\n\r\n", "Not Present\r\n\r\n"},
        {"Sun 355, Moon 25, Venus 205, Neptune 175",
         {355.0, 25.0, 100.0, 205.0, 100.0, 100.0, 100.0, 100.0, 175.0, 100.0, 100.0},
         "Sun-Venus  In Quincunx Aspect\r\nNeptune-Moon  In Quincunx Aspect\r\n\r\n\r\n",
         "Moon-Sun  In Semi-Sextile Aspect\r\nVenus-Neptune  In Semi-Sextile Aspect\r\n\r\n\r\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);

        const std::vector<std::string> expected{
            Show(kHeading, "Planetary Aspects Interpration\r\n\r\n"),
            Show(kLeadIn, "Quincunx Aspect present in your chart between\r\n"),
            Show(kList, c.q),
            Show(kLeadIn, "Significance : "),
            Show(kParagraph, "This aspect shows the challenges that you may face in life. You will need to make a lot "
                         "of adjustments to overcome this effect.\r\n\r\n"),
            Show(kLeadIn, "Semi-sextile Aspect present in your chart between\r\n"),
            Show(kList, c.s),
            Show(kLeadIn, "Significance : "),
            Show(kParagraph, "You will move towards conditions that are balanced and less emotional and hate dramas of "
                         "any sort.\r\n\r\n"),
        };
        EXPECT_EQ(ShowAll(reading::AspectSection(reading::FindAspects(ChartOf(c.longitudes)))), expected);
    }
}

}  // namespace
