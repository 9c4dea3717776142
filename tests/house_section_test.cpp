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
#include "houses/house_section.h"
#include "reading/recording_view.h"

namespace {

using namespace starwise;
using reading::TextColour;
using reading::TextStyle;

const TextStyle kHeading{true, TextColour::Green, 11};
const TextStyle kRedBold{true, TextColour::Red, std::nullopt};
const TextStyle kBlueBold{true, TextColour::Blue, std::nullopt};
const TextStyle kPlain{false, TextColour::Black, std::nullopt};
constexpr std::string_view kBr = "\r\n";

// One styled piece as a line of text, so a mismatch prints both sides readably.
std::string Show(const TextStyle& style, std::string_view text) {
    static constexpr std::string_view kColours[] = {"black", "green", "red", "blue"};
    std::string line = style.bold ? "bold " : "plain ";
    line += kColours[static_cast<int>(style.colour)];
    if (style.pointSize) line += " " + std::to_string(*style.pointSize) + "pt";
    return line + " | " + std::string{text};
}

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text += part;
    return text;
}

// Ascendant 00 Ari 30: the fourth house is Cancer, the eighth Scorpio, the
// twelfth Pisces. Every body not named stands in the first house.
std::vector<std::string> SectionFor(std::initializer_list<std::pair<int, std::string_view>> moved) {
    engine::NatalChart chart;
    for (int b = 0; b < engine::kChartBodies; ++b) chart.Bodies[b].PositionText = "00 Ari 30";
    for (const auto& [body, text] : moved) chart.Bodies[body].PositionText = text;
    houses::HousePlacement placement;
    reading::RecordingReportView view;
    houses::ReadHouses(chart, placement, view);
    std::vector<std::string> shown;
    for (const reading::ReportPiece& piece : view.StyledPieces()) shown.push_back(Show(piece.style, piece.text));
    return shown;
}

TEST(HouseSection, NoBodyInAReportedHouseWritesOnlyTheTwoHeadings) {
    const std::vector<std::string> expected{
        Show(kHeading, Cat({"There is not any planet present in any house", kBr, kBr})),
        Show(kHeading, Cat({"More About Houses", kBr, kBr})),
    };
    EXPECT_EQ(SectionFor({}), expected) << "every body in the first house";
    EXPECT_EQ(SectionFor({{0, "10 Tau 00"}, {1, "10 Gem 00"}, {2, "10 Leo 00"}, {3, "10 Vir 00"}, {4, "10 Lib 00"},
                          {5, "10 Sag 00"}, {6, "10 Cap 00"}, {7, "10 Aqu 00"}}),
              expected)
        << "bodies in houses 2, 3, 5, 6, 7, 9, 10, 11";
}

TEST(HouseSection, OnlyTheSunInTheFourthHouse) {
    const std::vector<std::string> expected{
        Show(kHeading, Cat({"Planet Characteristics that affect your life:", kBr, kBr})),
        Show(kRedBold, Cat({"Sun In Fourth House", kBr, kBr})),
        Show(kRedBold, Cat({"Characterstics Of Planet Sun :-", kBr})),
        Show(kPlain, Cat({content::kBodyTexts[0].generalParagraph, kBr, kBr})),
        Show(kPlain, Cat({content::kBodyInHouse[0].inFourth, kBr, kBr})),
        Show(kHeading, Cat({"More About Houses", kBr, kBr})),
        Show(kRedBold, Cat({"More About Fourth House", kBr})),
        Show(kPlain, Cat({content::kHouses[0].description, kBr, kBr})),
        Show(kRedBold, "Keyword : "),
        Show(kPlain, Cat({"Instinct", kBr, kBr})),
    };
    EXPECT_EQ(SectionFor({{engine::kSun, "15 Can 20"}}), expected);
}

TEST(HouseSection, PlacementTitleAndCharacteristicsHeadingOfEachBody) {
    struct Case { int body; std::string_view at; std::string_view title; std::string_view heading; TextStyle style; };
    const Case kCases[] = {
        {0, "10 Can 00", "Sun In Fourth House\r\n\r\n", "Characterstics Of Planet Sun :-\r\n", kRedBold},
        {1, "10 Sco 00", "Moon In Eighth House\r\n\r\n", "Characterstics Of Planet Moon :-\r\n", kBlueBold},
        {2, "10 Pis 00", "Mercury In Twelfth  House\r\n\r\n", "Characterstics Of Planet Mercury :-\r\n", kRedBold},
        {3, "10 Can 00", "Venus In Fourth House\r\n\r\n", "Characterstics Of Planet Venus :-\r\n\r\n", kBlueBold},
        {4, "10 Sco 00", "Mars In Eighth House\r\n\r\n", "Characterstics Of Planet Mars :-\r\n", kRedBold},
        {5, "10 Pis 00", "Jupiter In Twelfth  House\r\n\r\n", "Characterstics Of Planet Jupiter :-\r\n", kBlueBold},
        {6, "10 Can 00", "Saturn In Fourth House\r\n\r\n", "Characterstics Of Planet Saturn :-\r\n", kRedBold},
        {7, "10 Sco 00", "Uranus In Eighth House\r\n\r\n", "Characterstics Of Planet Uranus :-\r\n", kBlueBold},
        {8, "10 Pis 00", "Neptune In Twelfth  House\r\n\r\n", "Characterstics Of Planet Neptune :-\r\n", kRedBold},
        {9, "29 Pis 59", "Pluto In Twelfth  House\r\n\r\n", "Characterstics Of Planet Pluto :-\r\n", kBlueBold},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << engine::kBodyNames[c.body] << " at " << c.at);
        const std::vector<std::string> section = SectionFor({{c.body, c.at}});
        ASSERT_EQ(section.size(), 10u);
        EXPECT_EQ(section[0], Show(kHeading, "Planet Characteristics that affect your life:\r\n\r\n"));
        EXPECT_EQ(section[1], Show(c.style, c.title));
        EXPECT_EQ(section[2], Show(c.style, c.heading));
    }
}

// The four pieces of a placed body and of a reported house.
std::vector<std::string> BodyBlock(int body, std::string_view title, const TextStyle& style, std::string_view text) {
    const content::BodyTextRow& row = content::kBodyTexts[body];
    return {Show(style, Cat({title, kBr, kBr})), Show(style, Cat({row.characteristicsHeading, kBr})),
            Show(kPlain, Cat({row.generalParagraph, kBr, kBr})), Show(kPlain, Cat({text, kBr, kBr}))};
}
std::vector<std::string> HouseBlock(int row, std::string_view heading, std::string_view keyword) {
    return {Show(kRedBold, Cat({heading, kBr})), Show(kPlain, Cat({content::kHouses[row].description, kBr, kBr})),
            Show(kRedBold, "Keyword : "), Show(kPlain, Cat({keyword, kBr, kBr}))};
}
std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(HouseSection, GroupsByBodyThenDescribesEachOccupiedHouseOnce) {
    const std::vector<std::string> first{
        Show(kHeading, Cat({"Planet Characteristics that affect your life:", kBr, kBr}))};
    const std::vector<std::string> more{Show(kHeading, Cat({"More About Houses", kBr, kBr}))};
    {
        SCOPED_TRACE("Saturn in the eighth, Moon in the fourth");
        const auto expected = Joined(
            {first, BodyBlock(1, "Moon In Fourth House", kBlueBold, content::kBodyInHouse[1].inFourth),
             BodyBlock(6, "Saturn In Eighth House", kRedBold, content::kBodyInHouse[6].inEighth), more,
             HouseBlock(0, "More About Fourth House", "Instinct"),
             HouseBlock(1, "More About Eighth House", "Perception")});
        EXPECT_EQ(SectionFor({{engine::kSaturn, "02 Sco 00"}, {engine::kMoon, "29 Can 10"}}), expected);
    }
    {
        SCOPED_TRACE("Sun and Mercury both in the twelfth");
        const auto expected = Joined(
            {first, BodyBlock(0, "Sun In Twelfth  House", kRedBold, content::kBodyInHouse[0].inTwelfth),
             BodyBlock(2, "Mercury In Twelfth  House", kRedBold, content::kBodyInHouse[2].inTwelfth), more,
             HouseBlock(2, "More About Twelfth House", "Intuition")});
        EXPECT_EQ(SectionFor({{engine::kMercury, "05 Pis 00"}, {engine::kSun, "25 Pis 00"}}), expected);
    }
}

}  // namespace
