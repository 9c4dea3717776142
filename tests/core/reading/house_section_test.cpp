// The house section, piece by piece: the text, bold, colour and size of every
// styled write, for charts built by hand.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/body_texts.h"
#include "content/house_texts.h"
#include "reading/house_section.h"
#include "report_blocks.h"
#include "test_support.h"

namespace {

using namespace starwise;
using namespace starwise::test;
using Lines = std::vector<std::string>;

// Ascendant 00 Ari 30: the fourth house is Cancer, the eighth Scorpio, the
// twelfth Pisces. Every body not named stands in the first house.
Lines SectionFor(std::initializer_list<std::pair<int, std::string_view>> moved) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) PlaceAt(chart.bodies[b], "00 Ari 30");
    for (const auto& [body, text] : moved) PlaceAt(chart.bodies[body], text);
    return ShowAll(reading::HouseSection(reading::PlaceBodies(chart)));
}

TEST(HouseSection, NoBodyInAReportedHouseWritesOnlyTheTwoHeadings) {
    const Lines expected{Show(kHeading, "There is not any planet present in any house\r\n\r\n"),
                         Show(kHeading, "More About Houses\r\n\r\n")};
    EXPECT_EQ(SectionFor({}), expected) << "every body in the first house";
    EXPECT_EQ(SectionFor({{0, "10 Tau 00"}, {1, "10 Gem 00"}, {2, "10 Leo 00"}, {3, "10 Vir 00"}, {4, "10 Lib 00"},
                          {5, "10 Sag 00"}, {6, "10 Cap 00"}, {7, "10 Aqu 00"}}),
              expected)
        << "bodies in houses 2, 3, 5, 6, 7, 9, 10, 11";
}

// Title kinds alternate from the Sun's; only Venus has two line breaks
// after its heading; the twelfth house's name has two spaces.
TEST(HouseSection, PlacementTitleAndCharacteristicsHeadingOfEachBody) {
    struct Case { int body; std::string_view at, title; reading::BlockKind style; std::string_view breaks; };
    const Case kCases[] = {
        {0, "10 Can 00", "Sun In Fourth House", kTitle, "\r\n"},
        {1, "10 Sco 00", "Moon In Eighth House", kAltTitle, "\r\n"},
        {2, "10 Pis 00", "Mercury In Twelfth  House", kTitle, "\r\n"},
        {3, "10 Can 00", "Venus In Fourth House", kAltTitle, "\r\n\r\n"},
        {4, "10 Sco 00", "Mars In Eighth House", kTitle, "\r\n"},
        {5, "10 Pis 00", "Jupiter In Twelfth  House", kAltTitle, "\r\n"},
        {6, "10 Can 00", "Saturn In Fourth House", kTitle, "\r\n"},
        {7, "10 Sco 00", "Uranus In Eighth House", kAltTitle, "\r\n"},
        {8, "10 Pis 00", "Neptune In Twelfth  House", kTitle, "\r\n"},
        {9, "29 Pis 59", "Pluto In Twelfth  House", kAltTitle, "\r\n"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << engine::kBodyNames[c.body] << " at " << c.at);
        const Lines section = SectionFor({{c.body, c.at}});
        ASSERT_EQ(section.size(), 10u) << testing::PrintToString(section);
        EXPECT_EQ(section[1], Show(c.style, std::string{c.title} + "\r\n\r\n"));
        EXPECT_EQ(section[2], Show(c.style, "Characterstics Of Planet " + std::string{engine::kBodyNames[c.body]} +
                                                " :-" + std::string{c.breaks}));
    }
}

// Every piece of a section with bodies in all three houses: bodies in chart
// order, then each occupied house described once, fourth to twelfth.
TEST(HouseSection, GroupsByBodyThenDescribesEachOccupiedHouseOnce) {
    const auto br = [](std::string_view text, int breaks) {
        std::string line{text};
        for (int i = 0; i < breaks; ++i) line += "\r\n";
        return line;
    };
    const auto body = [&](int b, std::string_view title, reading::BlockKind style, std::string_view text) {
        const content::BodyTextRow& row = content::kBodyTexts[b];
        return Lines{Show(style, br(title, 2)), Show(style, br(row.characteristicsHeading, 1)),
                     Show(kParagraph, br(row.generalParagraph, 2)), Show(kParagraph, br(text, 2))};
    };
    // The house rows' texts are pinned by content_test.
    const auto house = [&](int row) {
        const content::HouseRow& h = content::kHouses[row];
        return Lines{Show(kLeadIn, br(h.heading, 1)), Show(kParagraph, br(h.description, 2)),
                     Show(kLeadIn, "Keyword : "), Show(kParagraph, br(h.keyword, 2))};
    };
    const auto& in = content::kBodyInHouse;
    Lines expected{Show(kHeading, "Planet Characteristics that affect your life:\r\n\r\n")};
    for (const Lines& part : {body(0, "Sun In Twelfth  House", kTitle, in[0].inTwelfth),
                              body(1, "Moon In Fourth House", kAltTitle, in[1].inFourth),
                              body(2, "Mercury In Twelfth  House", kTitle, in[2].inTwelfth),
                              body(6, "Saturn In Eighth House", kTitle, in[6].inEighth),
                              Lines{Show(kHeading, "More About Houses\r\n\r\n")},
                              house(0), house(1), house(2)}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(SectionFor({{engine::kSaturn, "02 Sco 00"}, {engine::kMercury, "05 Pis 00"},
                          {engine::kMoon, "29 Can 10"}, {engine::kSun, "25 Pis 00"}}),
              expected);
}

}  // namespace
