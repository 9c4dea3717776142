// Natal Moon and void of course: which bodies stand in the last three whole
// degrees of their sign, and the blocks of the section.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/body_texts.h"
#include "reading/void_of_course.h"
#include "report_blocks.h"
#include "test_support.h"

namespace {

using namespace starwise;
using namespace starwise::test;

// Every body at 15 Ari 00 except those moved.
engine::NatalChart ChartWith(std::initializer_list<std::pair<int, std::string_view>> moved) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) {
        chart.bodies[b].name = engine::kBodyNames[b];
        PlaceAt(chart.bodies[b], "15 Ari 00");
    }
    for (const auto& [body, text] : moved) PlaceAt(chart.bodies[body], text);
    return chart;
}

TEST(VoidOfCourseBodies, LastThreeWholeDegreesInBodyOrder) {
    using enum engine::Body;
    struct Case { const char* label; engine::NatalChart chart; std::vector<int> expected; };
    const Case kCases[] = {
        {"Mars 27 Gem 00", ChartWith({{kMars, "27 Gem 00"}}), {kMars}},
        {"Mars 26 Gem 59", ChartWith({{kMars, "26 Gem 59"}}), {}},
        {"Pluto, Venus, Moon, Sun",
         ChartWith({{kPluto, "29 Sco 59"}, {kVenus, "27 Leo 00"}, {kMoon, "28 Tau 10"}, {kSun, "29 Ari 00"}}),
         {kSun, kMoon, kVenus, kPluto}},
        {"27 minutes are not 27 degrees", ChartWith({{kMercury, "02 Ari 27"}}), {}},
        {"the Ascendant is not a body", ChartWith({{kAscendant, "29 Pis 00"}}), {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(reading::VoidOfCourseBodies(c.chart), c.expected);
    }
}

TEST(VoidOfCourseSection, HeadingThenNatalMoonThenEachBodysHeadingAndParagraph) {
    const std::string moonComment =
        "The Moon is the symbol of feelings and emotions. You may have issues with family and friends, especially "
        "women. You will feel aloof and left out from your family.\r\n\r\n";
    // Each body's heading and paragraph from its row (texts pinned by content_test).
    const auto body = [](int b) {
        const content::BodyTextRow& row = content::kBodyTexts[static_cast<std::size_t>(b)];
        return std::vector<std::string>{Show(kTitle, std::string{row.voidOfCourseHeading} + "\r\n\r\n"),
                                        Show(kLeadIn, std::string{row.generalParagraph} + "\r\n\r\n")};
    };
    std::vector<std::string> moonThenMars = body(engine::kMoon);
    for (std::string& block : body(engine::kMars)) moonThenMars.push_back(std::move(block));
    struct Case { const char* label; engine::NatalChart chart; std::string moonAt; std::vector<std::string> bodies; };
    const Case kCases[] = {
        {"no body in the last three degrees", ChartWith({{engine::kMoon, "03 Can 41"}}), "03 Can 41", {}},
        {"Moon 28 Tau 10 and Mars 27 Gem 00", ChartWith({{engine::kMars, "27 Gem 00"}, {engine::kMoon, "28 Tau 10"}}),
         "28 Tau 10", moonThenMars},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> expected{Show(kHeading, "Void of Course of Other Planets in your chart \r\n\r\n"),
                                          Show(kLeadIn, "Position of Natal Moon :- " + c.moonAt + "\r\n\r\n"),
                                          Show(kLeadIn, moonComment)};
        expected.insert(expected.end(), c.bodies.begin(), c.bodies.end());
        EXPECT_EQ(ShowAll(reading::VoidOfCourseSection(c.chart, reading::VoidOfCourseBodies(c.chart))), expected);
    }
}

}  // namespace
