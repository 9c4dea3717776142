// Content tables: every caption and fixed line exactly as the report shows it,
// every paragraph beginning with its opening words within its length band,
// and texts that must differ. (How Leo's two stored paragraphs are joined is
// tested where they are joined: sun_sign_test, node_reading_test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "content/house_texts.h"
#include "content/node_texts.h"
#include "content/sun_signs.h"

namespace {

namespace sc = starwise::content;

struct Band { std::size_t low, high; };
// "About n characters": within 15 percent either way.
constexpr Band Near(std::size_t n) { return {(85 * n + 99) / 100, 115 * n / 100}; }

// Opening words, length band, and one line of printable ASCII: the report
// writes its own line breaks, and a stray break or curly quote shows as garbage.
testing::AssertionResult IsParagraph(std::string_view text, std::string_view begins, Band band) {
    if (!text.starts_with(begins)) {
        return testing::AssertionFailure() << "expected to begin \"" << begins << "\", begins \""
                                           << text.substr(0, begins.size() + 20) << "\"";
    }
    if (text.size() < band.low || text.size() > band.high) {
        return testing::AssertionFailure() << "expected length " << band.low << ".." << band.high << ", actual "
                                           << text.size();
    }
    const auto bad = std::find_if(text.begin(), text.end(), [](char c) { return c < 0x20 || c > 0x7e; });
    if (bad != text.end()) {
        return testing::AssertionFailure() << "byte " << int(static_cast<unsigned char>(*bad)) << " at offset "
                                           << (bad - text.begin()) << " is not printable ASCII";
    }
    return testing::AssertionSuccess();
}

std::string Joined(std::string_view first, std::string_view second) { return std::string{first} + std::string{second}; }

TEST(SunSignContent, RowsAsTabled) {
    struct Row { std::string_view sign, element, number, day, compatible, stone, positive, negative; };
    constexpr std::array<Row, 12> kRows{{
        {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond",
         "You may be pioneers in your fields and developers of new technologies",
         "You may be arrogant and domineering. You have a short and violent"},
        {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald",
         "You are patient and enduring in nature. You are very practical",
         "You are very stubborn and inflexible. You are highly possessive."},
        {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate",
         "You are very adjusting in nature and have a lot of patience.",
         "You are inconsistent in your performance. Your restless nature"},
        {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl",
         "You are very sensitive in nature and generally soft spoken.",
         "You are unstable and very unreliable. You are very moody"},
        {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby",
         "You are leaders and have a magnetic personality.You are assertive",
         "You have a violent temper. You may be arrogant and dominating."},
        {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire",
         "You are very modest by nature. You are perfectionists",
         "Your need for neatness may make them fussy and finicky."},
        {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal",
         "You are highly diplomatic individuals. You are charming",
         "You cannot take make decisions for themselves. You are easily gullible"},
        {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz",
         "You are intense and strong willed people who have a very determined",
         "You have a very short temper. Your bluntness may hurt"},
        {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise",
         "You are a happy go lucky lot with a very positive outlook", "You may be too outspoken for your own good."},
        {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet",
         "You are people with a traditional frame of mind.",
         "You are very rigid in nature and not susceptible to changes."},
        {"Aquarius", "Air", "1 and 7", "Wednesday", "Gemini and Libra", "Amethyst",
         "You are magnetic in nature and people get attracted to your personality.",
         "You do not make friends very easily inspite of your extrovert nature."},
        {"Pisces", "Water", "2 and 6", "Friday", "Cancer and Scorpio", "Aquamarine",
         "You are very adjusting, friendly and good- natured people.",
         "You want people to sympathize with your personal problems."},
    }};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& want = kRows[i];
        const sc::SunSignProfileRow& row = sc::kSunSignProfiles[i];
        SCOPED_TRACE(testing::Message() << "row " << i << ", expected sign " << want.sign);
        EXPECT_EQ(row.sign, want.sign);
        EXPECT_EQ(row.element, want.element);
        EXPECT_EQ(row.luckyNumber, want.number);
        EXPECT_EQ(row.luckyDay, want.day);
        EXPECT_EQ(row.compatibleSigns, want.compatible);
        EXPECT_EQ(row.birthStone, want.stone);
        EXPECT_EQ(row.pictureNumber, static_cast<int>(i) + 1);
        EXPECT_TRUE(IsParagraph(Joined(row.positiveTraits, row.positiveTraitsSecond), want.positive, {330, 1000}))
            << "positive traits";
        EXPECT_TRUE(IsParagraph(row.negativeTraits, want.negative, {330, 1000})) << "negative traits";
    }
}

// The rows' signs and keywords, in test order, are compared with an
// independent table for every reading of cli_matches_oracle
// (tools/oracle/starwise_oracle.py, NODE_ROWS); here the descriptions.
TEST(NodeContent, DescriptionsInTestOrder) {
    struct Row { std::string_view test, north, south; };
    constexpr std::array<Row, 12> kRows{{
        {"Lib", "North Node in Libra denotes that you need to understand and develop",
         "South Node in Aries denotes that you need to understand and develop"},
        {"Vir", "North Node in Virgo denotes that you are too kind, warm hearted",
         "South Node in Pisces denotes that you are too kind, warm hearted"},
        {"Leo", "North Node in Leo indicates that you need to learn and permit",
         "South Node in Aquarius indicates that you need to learn and permit"},
        {"Can", "Learn how to accept and acknowledge the help received from others.",
         "Learn how to accept and acknowledge the help received from others."},
        {"Gem", "With your north node in Gemini try and express yourself all the more.",
         "With your south Node in Sagittarius try and express yourself all the more."},
        {"Tau", "North Node in Taurus denotes that you have to work to develop",
         "South Node in Scorpio denotes that you have to work to develop"},
        {"Ari", "With your North node in Aries you need to work a lot",
         "With your South Node in Libra you need to work a lot"},
        {"Pis", "North node in Pisces denotes that you worry unnecessarily",
         "South Node in Virgo denotes that you worry unnecessarily"},
        {"Aqu", "North Node in Aquarius denotes that you tend to become very much",
         "South Node in Leo denotes that you tend to become very much"},
        {"Cap", "North Node in Capricorn denotes that you have a tendency",
         "South Node in Cancer denotes that you have a tendency"},
        {"Sag", "North node in Sagittarius denotes that you are so very simulative",
         "South Node in Gemini denotes that you are so very simulative"},
        {"Sco", "North Node is Scorpio denotes that you are self-reliant",
         "South Node in Taurus denotes that you are self-reliant"},
    }};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& want = kRows[i];
        const sc::NodeRow& row = sc::kNodeRows[i];
        SCOPED_TRACE(testing::Message() << "row " << i << ", expected test " << want.test);
        EXPECT_EQ(row.test, want.test);
        EXPECT_TRUE(IsParagraph(Joined(row.northDescription, row.northDescriptionSecond), want.north, {540, 1200}))
            << "north description";
        EXPECT_TRUE(IsParagraph(Joined(row.southDescription, row.southDescriptionSecond), want.south, {540, 1200}))
            << "south description";
    }
}

TEST(BodyTexts, CaptionsHeadingsAndVoidComments) {
    constexpr std::string_view kSunSentence =
        "He can be good or evil depending upon the planets in configuration with him.";
    constexpr std::string_view kMoonSentence =
        "The moon is the planet most connected to our feelings and emotions linked to other people in their lives.";
    // Mercury to Pluto: the void-of-course comment in full.
    constexpr std::string_view kComments[10] = {
        "", "", "Mercury governs the way that you communicate with those around you.",
        "Venus is the planet that is about how people express socially, romantically and artistically.",
        "This is where your assertiveness and power will lie. But, depending which house all this extra force of "
        "power, anger and assertiveness lies can cause problems for you.",
        "Where the house placement of Jupiter is where you are likely to think optimistically and positively about "
        "things.",
        "This is where people are likely to encounter heavy obstacles. It is the planet of restrictions and "
        "limitations.",
        "This planet shows which areas of our life need to have freedom and seclusion. It is also where a lot of "
        "unexpected changes occur.",
        "Neptune is very mystical and dreamlike it is where the spiritual and psychic side will be portrayed.",
        "Pluto is a very powerful planet yet power struggles may occur.",
    };
    constexpr std::string_view kBodies[10] = {"Sun",    "Moon",   "Mercury", "Venus",   "Mars",
                                              "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
    for (std::size_t i = 0; i < 10; ++i) {
        const sc::BodyTextRow& row = sc::kBodyTexts[i];
        const std::string body{kBodies[i]};
        SCOPED_TRACE("body row " + std::to_string(i) + " " + body);
        // Titles, headings and their kinds as the house section shows them:
        // house_section_test.
        EXPECT_EQ(row.body, body);
        EXPECT_EQ(row.voidOfCourseHeading, (i < 2 ? "The " : "") + body + " Is In Void Of Course");
        if (i >= 2) {
            EXPECT_EQ(row.generalParagraph, kComments[i]);
        }
    }
    const std::string_view sun = sc::kBodyTexts[0].generalParagraph;
    EXPECT_TRUE(IsParagraph(sun, kSunSentence, Near(760))) << "Sun";
    EXPECT_TRUE(sun.ends_with(kSunSentence)) << "Sun ends \"" << sun.substr(sun.size() - std::min<std::size_t>(
                                                                                sun.size(), 80)) << "\"";
    const std::string_view moon = sc::kBodyTexts[1].generalParagraph;
    EXPECT_TRUE(IsParagraph(moon, kMoonSentence, Near(223))) << "Moon";
    const std::string_view rest = moon.substr(std::min(moon.size(), kMoonSentence.size()));
    EXPECT_TRUE(rest.starts_with(' ') && rest.ends_with('.') && std::count(rest.begin(), rest.end(), '.') == 1)
        << "expected one more sentence after the Moon's first, actual \"" << rest << "\"";
}

TEST(HouseTexts, HouseRowsAndBodyInHouseParagraphs) {
    struct House { int house; std::string_view name, heading, keyword, opening; std::size_t length; };
    constexpr House kHouseRows[] = {
        {4, "Fourth House", "More About Fourth House", "Instinct",
         "This house is also known as 'Matristhan' in India or", 730},
        {8, "Eighth House", "More About Eighth House", "Perception",
         "This house corresponds to the sexual nature of a person.", 627},
        {12, "Twelfth  House", "More About Twelfth House", "Intuition",
         "In Indian Astrology, this house is known as the 'Vyaysthana'", 588},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const House& want = kHouseRows[i];
        const sc::HouseRow& row = sc::kHouses[i];
        SCOPED_TRACE("house " + std::to_string(want.house));
        EXPECT_EQ(row.house, want.house);
        EXPECT_EQ(row.name, want.name);
        EXPECT_EQ(row.heading, want.heading);
        EXPECT_EQ(row.keyword, want.keyword);
        EXPECT_TRUE(IsParagraph(row.description, want.opening, Near(want.length)));
    }
    struct InHouse { std::string_view opening[3]; std::size_t length[3]; };  // fourth, eighth, twelfth
    constexpr InHouse kInHouse[10] = {
        {{"People with sun in the fourth house have a", "The energies here tend to be in looking after",
          "People here will have a need for self-perfection. Yet"}, {264, 267, 765}},
        {{"They have a great love for Mother Nature and", "These people feel that they have a strong sense",
          "Being in the twelfth house, a house of closed"}, {133, 125, 336}},
        {{"These people have been brought up in a home", "They try to get to the bottom of problems",
          "They tend to be secretive about their thoughts and"}, {288, 363, 295}},
        {{"These people are centered strongly around their house they", "These people are likely to get money "
          "through other", "People here tend to have a life of secretiveness"}, {154, 184, 347}},
        {{"They tend to do things themselves rather then getting", "Here people tend to be good at investigating "
          "things", "They let their subconscious mind govern their desires, dreams"}, {166, 147, 288}},
        {{"These people will highly rely on the assistance and", "These are people who know how to handle money",
          "These are people that aim to please. They usually"}, {186, 182, 218}},
        {{"They have a strong dislike for change. Relationships become", "Finances are likely to be heavily "
          "weighed upon these", "Their work tends to be under recognized and their"}, {454, 249, 186}},
        {{"These people need freedom and are likely to break", "People here tend to be very intuitive. Both "
          "finances", "These people often feel trapped, they often have a"}, {154, 116, 117}},
        {{"These people have a need for personal security and", "Here it is suggested that these people have "
          "strong", "A twelfth house Neptune usually suffers from depression. They"}, {245, 162, 245}},
        {{"These people are often very attached to the home", "These people analyze things, they posses a good "
          "sense", "People that have Pluto in the twelfth house will"}, {119, 126, 254}},
    };
    for (std::size_t b = 0; b < 10; ++b) {
        const sc::BodyInHouseRow& row = sc::kBodyInHouse[b];
        EXPECT_EQ(row.body, sc::kBodyTexts[b].body) << "body tables out of step at row " << b;
        const std::string_view texts[3] = {row.inFourth, row.inEighth, row.inTwelfth};
        for (int h = 0; h < 3; ++h) {
            SCOPED_TRACE(testing::Message() << row.body << " in house " << kHouseRows[h].house);
            EXPECT_TRUE(IsParagraph(texts[h], kInHouse[b].opening[h], Near(kInHouse[b].length[h])));
        }
    }
}

TEST(FixedTexts, ExplanationsAboutAndBanners) {
    struct Case { const char* label; std::string_view text, opening; Band band; };
    const Case kCases[] = {
        // The label is laid out with a leading blank.
        {"Label1", sc::kNodeAxisExplanation,
         " North Node and the South Node are the two directly opposite axis points of the Moon.", Near(339)},
        {"lblNorthNodedesc", sc::kNorthNodeExplanation,
         "The North Node of the Moon reflects those kinds of experiences,",
         Near(222)},
        {"lblSouthNodeDesc", sc::kSouthNodeExplanation, "The South Node of the Moon reflects kind of experiences,",
         Near(241)},
        {"about box", sc::kAboutDescription,
         "Starwise is a part of Duzoro Darovedor that gives you a clear idea about the choices you make", {300, 600}},
        {"lblCobrand", sc::kCoBrandOffer, "Co-brand this software for your site.", {37, 1000}},
        {"Label61", sc::kFormBanner, "", {1, 109}},  // one short line each
        {"lblVantoriaBanner", sc::kFrameBanner, "", {1, 109}},
    };
    for (const Case& c : kCases) {
        EXPECT_TRUE(IsParagraph(c.text, c.opening, c.band)) << c.label;
    }
}

// No paragraph repeats another anywhere in the program, the Cancer node row's
// two sides (which open with the same words) included.
TEST(AllTexts, ParagraphsAreDistinct) {
    std::set<std::string> seen;
    const auto add = [&seen](std::string text, std::string_view label) {
        EXPECT_TRUE(seen.insert(std::move(text)).second) << label << " repeats another paragraph";
    };
    for (const auto& row : sc::kSunSignProfiles) {
        add(Joined(row.positiveTraits, row.positiveTraitsSecond), std::string{row.sign} + " positive traits");
        add(std::string{row.negativeTraits}, std::string{row.sign} + " negative traits");
    }
    for (const auto& row : sc::kNodeRows) {
        add(Joined(row.northDescription, row.northDescriptionSecond), std::string{row.test} + " north");
        add(Joined(row.southDescription, row.southDescriptionSecond), std::string{row.test} + " south");
    }
    for (const auto& row : sc::kBodyTexts) add(std::string{row.generalParagraph}, row.body);
    for (const auto& row : sc::kHouses) add(std::string{row.description}, row.name);
    for (const auto& row : sc::kBodyInHouse) {
        for (const std::string_view text : {row.inFourth, row.inEighth, row.inTwelfth}) {
            add(std::string{text}, std::string{row.body} + " in a house");
        }
    }
    EXPECT_EQ(seen.size(), 24u + 24u + 10u + 3u + 30u);
}

}  // namespace
