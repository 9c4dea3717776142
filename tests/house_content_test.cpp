// Content checks for the house section, the void-of-course comments and the
// fixed explanations: exact captions, opening words, lengths within 15 percent
// of the intended length, and texts that must differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "content/house_texts.h"

namespace sc = starwise::content;

namespace {

constexpr std::string_view kSunSentence =
    "He can be good or evil depending upon the planets in configuration with him.";
constexpr std::string_view kMoonSentence =
    "The moon is the planet most connected to our feelings and emotions linked to other people in "
    "their lives.";

// One paragraph: what it must begin with and roughly how long it must be.
struct ParagraphCase {
    std::string label;
    std::string_view text;
    std::string_view opening;
    int length;  // intended length in characters; 15 percent either way is fine
};

void ExpectParagraph(const ParagraphCase& c) {
    SCOPED_TRACE(c.label);
    EXPECT_TRUE(c.text.starts_with(c.opening))
        << c.label << ": expected to begin \"" << c.opening << "\"\n  actual begins \""
        << c.text.substr(0, c.opening.size() + 20) << "\"";
    const double tolerance = 0.15 * c.length;
    const auto low = static_cast<std::size_t>(std::ceil(c.length - tolerance));
    const auto high = static_cast<std::size_t>(std::floor(c.length + tolerance));
    EXPECT_TRUE(c.text.size() >= low && c.text.size() <= high)
        << c.label << ": length " << c.text.size() << " outside band [" << low << ", " << high
        << "] around " << c.length;
}

// The report writes CR LF itself; a stray line break or a curly quote in a
// stored text would show up as garbage in the rich-text box and the CLI.
void ExpectPlainOneLine(std::string_view label, std::string_view text) {
    const auto bad = std::find_if(text.begin(), text.end(), [](char ch) {
        const auto u = static_cast<unsigned char>(ch);
        return u < 0x20 || u > 0x7e;
    });
    EXPECT_EQ(bad, text.end()) << label << ": byte 0x" << std::hex
                               << (bad == text.end() ? 0 : static_cast<unsigned char>(*bad))
                               << " at offset " << std::dec << (bad - text.begin());
    EXPECT_FALSE(text.empty()) << label;
}

}  // namespace

TEST(BodyTexts, CaptionsHeadingsAndVoidCommentsAreExact) {
    struct Expected {
        std::string_view body;
        std::string_view title;
        std::string_view heading;
        sc::HeadingColour colour;
        int breaks;
        std::string_view voidHeading;
        std::string_view comment;  // empty where only the opening is fixed
    };
    using enum sc::HeadingColour;
    const Expected cases[] = {
        {"Sun", "Sun In", "Characterstics Of Planet Sun :-", Red, 1, "The Sun Is In Void Of Course", ""},
        {"Moon", "Moon In", "Characterstics Of Planet Moon :-", Blue, 1, "The Moon Is In Void Of Course", ""},
        {"Mercury", "Mercury In", "Characterstics Of Planet Mercury :-", Red, 1,
         "Mercury Is In Void Of Course",
         "Mercury governs the way that you communicate with those around you."},
        {"Venus", "Venus In", "Characterstics Of Planet Venus :-", Blue, 2, "Venus Is In Void Of Course",
         "Venus is the planet that is about how people express socially, romantically and artistically."},
        {"Mars", "Mars In", "Characterstics Of Planet Mars :-", Red, 1, "Mars Is In Void Of Course",
         "This is where your assertiveness and power will lie. But, depending which house all this extra "
         "force of power, anger and assertiveness lies can cause problems for you."},
        {"Jupiter", "Jupiter In", "Characterstics Of Planet Jupiter :-", Blue, 1,
         "Jupiter Is In Void Of Course",
         "Where the house placement of Jupiter is where you are likely to think optimistically and "
         "positively about things."},
        {"Saturn", "Saturn In", "Characterstics Of Planet Saturn :-", Red, 1, "Saturn Is In Void Of Course",
         "This is where people are likely to encounter heavy obstacles. It is the planet of restrictions "
         "and limitations."},
        {"Uranus", "Uranus In", "Characterstics Of Planet Uranus :-", Blue, 1, "Uranus Is In Void Of Course",
         "This planet shows which areas of our life need to have freedom and seclusion. It is also where a "
         "lot of unexpected changes occur."},
        {"Neptune", "Neptune In", "Characterstics Of Planet Neptune :-", Red, 1,
         "Neptune Is In Void Of Course",
         "Neptune is very mystical and dreamlike it is where the spiritual and psychic side will be "
         "portrayed."},
        {"Pluto", "Pluto In", "Characterstics Of Planet Pluto :-", Blue, 1, "Pluto Is In Void Of Course",
         "Pluto is a very powerful planet yet power struggles may occur."},
    };
    static_assert(std::size(cases) == std::tuple_size_v<decltype(sc::kBodyTexts)>);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& want = cases[i];
        const auto& row = sc::kBodyTexts[i];
        SCOPED_TRACE(std::string("body row ") + std::to_string(i) + " " + std::string(want.body));
        EXPECT_EQ(row.body, want.body);
        EXPECT_EQ(row.placementTitle, want.title);
        EXPECT_EQ(row.characteristicsHeading, want.heading);
        EXPECT_EQ(row.headingColour, want.colour) << "expected " << (want.colour == Red ? "red" : "blue");
        EXPECT_EQ(row.lineBreaksAfterHeading, want.breaks);
        EXPECT_EQ(row.voidOfCourseHeading, want.voidHeading);
        if (!want.comment.empty()) {
            EXPECT_EQ(row.generalParagraph, want.comment);
        }
        ExpectPlainOneLine(want.body, row.generalParagraph);
    }
}

TEST(BodyTexts, SunAndMoonParagraphsKeepTheirFixedSentences) {
    const auto sun = sc::kBodyTexts[0].generalParagraph;
    ExpectParagraph({"Sun general", sun, kSunSentence, 758});
    EXPECT_TRUE(sun.ends_with(kSunSentence)) << "Sun ends \"" << sun.substr(sun.size() - 80) << "\"";
    EXPECT_GT(sun.size(), 2 * kSunSentence.size()) << "the Sun needs more than its framing sentence";

    const auto moon = sc::kBodyTexts[1].generalParagraph;
    ExpectParagraph({"Moon general", moon, kMoonSentence, 223});
    // Exactly one sentence after the fixed one.
    const auto rest = moon.substr(std::min(moon.size(), kMoonSentence.size()));
    EXPECT_TRUE(rest.starts_with(' ') && rest.ends_with('.')) << "Moon rest \"" << rest << "\"";
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '.'), 1) << "Moon rest \"" << rest << "\"";
}

TEST(HouseTexts, HouseRowsAreExactAndDescriptionsInBand) {
    struct Expected {
        int house;
        std::string_view name;
        std::string_view heading;
        std::string_view keyword;
        std::string_view opening;
        int length;
    };
    const Expected cases[] = {
        {4, "Fourth House", "More About Fourth House", "Instinct",
         "This house is also known as 'Matristhan' in India or", 730},
        {8, "Eighth House", "More About Eighth House", "Perception",
         "This house corresponds to the sexual nature of a person.", 627},
        {12, "Twelfth  House", "More About Twelfth House", "Intuition",
         "In Indian Astrology, this house is known as the 'Vyaysthana'", 588},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& want = cases[i];
        const auto& row = sc::kHouses[i];
        SCOPED_TRACE("house " + std::to_string(want.house));
        EXPECT_EQ(row.house, want.house);
        EXPECT_EQ(row.name, want.name);
        EXPECT_EQ(row.heading, want.heading);
        EXPECT_EQ(row.keyword, want.keyword);
        ExpectParagraph({"house " + std::to_string(want.house) + " description", row.description,
                         want.opening, want.length});
        ExpectPlainOneLine(row.name, row.description);
    }
}

TEST(HouseTexts, BodyInHouseParagraphsOpenRightAndAreInBand) {
    struct Expected {
        std::string_view body;
        std::string_view opening[3];  // fourth, eighth, twelfth
        int length[3];
    };
    const Expected cases[] = {
        {"Sun",
         {"People with sun in the fourth house have a", "The energies here tend to be in looking after",
          "People here will have a need for self-perfection. Yet"},
         {264, 267, 765}},
        {"Moon",
         {"They have a great love for Mother Nature and", "These people feel that they have a strong sense",
          "Being in the twelfth house, a house of closed"},
         {133, 125, 336}},
        {"Mercury",
         {"These people have been brought up in a home", "They try to get to the bottom of problems",
          "They tend to be secretive about their thoughts and"},
         {288, 363, 295}},
        {"Venus",
         {"These people are centered strongly around their house they",
          "These people are likely to get money through other",
          "People here tend to have a life of secretiveness"},
         {154, 184, 347}},
        {"Mars",
         {"They tend to do things themselves rather then getting",
          "Here people tend to be good at investigating things",
          "They let their subconscious mind govern their desires, dreams"},
         {166, 147, 288}},
        {"Jupiter",
         {"These people will highly rely on the assistance and",
          "These are people who know how to handle money", "These are people that aim to please. They usually"},
         {186, 182, 218}},
        {"Saturn",
         {"They have a strong dislike for change. Relationships become",
          "Finances are likely to be heavily weighed upon these",
          "Their work tends to be under recognized and their"},
         {454, 249, 186}},
        {"Uranus",
         {"These people need freedom and are likely to break",
          "People here tend to be very intuitive. Both finances",
          "These people often feel trapped, they often have a"},
         {154, 116, 117}},
        {"Neptune",
         {"These people have a need for personal security and",
          "Here it is suggested that these people have strong",
          "A twelfth house Neptune usually suffers from depression. They"},
         {245, 162, 245}},
        {"Pluto",
         {"These people are often very attached to the home",
          "These people analyze things, they posses a good sense",
          "People that have Pluto in the twelfth house will"},
         {119, 126, 254}},
    };
    static_assert(std::size(cases) == std::tuple_size_v<decltype(sc::kBodyInHouse)>);
    constexpr std::string_view kHouseNames[3] = {"fourth", "eighth", "twelfth"};
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& want = cases[i];
        const auto& row = sc::kBodyInHouse[i];
        EXPECT_EQ(row.body, want.body) << "row " << i;
        EXPECT_EQ(row.body, sc::kBodyTexts[i].body) << "body tables out of step at row " << i;
        const std::string_view texts[3] = {row.inFourth, row.inEighth, row.inTwelfth};
        for (int h = 0; h < 3; ++h) {
            const std::string label = std::string(want.body) + " in " + std::string(kHouseNames[h]);
            ExpectParagraph({label, texts[h], want.opening[h], want.length[h]});
            ExpectPlainOneLine(label, texts[h]);
            EXPECT_TRUE(seen.insert(texts[h]).second) << label << " repeats another paragraph";
        }
    }
    EXPECT_EQ(seen.size(), 30u);
}

TEST(FixedTexts, ExplanationsAboutAndBanners) {
    const ParagraphCase explanations[] = {
        {"Label1 node axis", sc::kNodeAxisExplanation,
         " North Node and the South Node are the two directly opposite axis points of the Moon.", 339},
        {"lblNorthNodedesc", sc::kNorthNodeExplanation,
         "The North Node of the Moon reflects those kinds of experiences,", 222},
        {"lblSouthNodeDesc", sc::kSouthNodeExplanation,
         "The South Node of the Moon reflects kind of experiences,", 241},
    };
    for (const auto& c : explanations) {
        ExpectParagraph(c);
        ExpectPlainOneLine(c.label, c.text);
    }
    // The label is laid out with a leading blank; losing it shifts the text.
    ASSERT_FALSE(sc::kNodeAxisExplanation.empty());
    EXPECT_EQ(sc::kNodeAxisExplanation.front(), ' ');

    EXPECT_TRUE(sc::kAboutDescription.starts_with(
        "Starwise is a part of Duzoro Darovedor that gives you a clear idea about the choices you make"))
        << sc::kAboutDescription.substr(0, 100);
    EXPECT_GE(sc::kAboutDescription.size(), 300u);
    EXPECT_LE(sc::kAboutDescription.size(), 600u);
    ExpectPlainOneLine("about", sc::kAboutDescription);

    EXPECT_TRUE(sc::kCoBrandOffer.starts_with("Co-brand this software for your site."))
        << sc::kCoBrandOffer;
    ExpectPlainOneLine("lblCobrand", sc::kCoBrandOffer);

    struct Banner {
        std::string_view label;
        std::string_view text;
    };
    for (const Banner& b : {Banner{"Label61", sc::kFormBanner}, Banner{"lblVantoriaBanner", sc::kFrameBanner}}) {
        ExpectPlainOneLine(b.label, b.text);
        EXPECT_LT(b.text.size(), 110u) << b.label << " is too long for one line: \"" << b.text << "\"";
    }
}
