// Sun-sign profile table: the short columns shown on the report, the opening
// words and length of each trait paragraph, and the Leo two-part join.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>

#include "content/sun_signs.h"

namespace {

using starwise::content::kSunSignProfiles;
using starwise::content::SunSignProfileRow;

struct ExpectedProfile {
    std::string_view sign, element, luckyNumber, luckyDay, compatibleSigns, birthStone;
    std::string_view positiveBegins, negativeBegins;
    int pictureNumber;
};

constexpr std::array<ExpectedProfile, 12> kExpected{{
    {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond",
     "You may be pioneers in your fields and developers of new technologies",
     "You may be arrogant and domineering. You have a short and violent", 1},
    {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald",
     "You are patient and enduring in nature. You are very practical",
     "You are very stubborn and inflexible. You are highly possessive.", 2},
    {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate",
     "You are very adjusting in nature and have a lot of patience.",
     "You are inconsistent in your performance. Your restless nature", 3},
    {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl",
     "You are very sensitive in nature and generally soft spoken.",
     "You are unstable and very unreliable. You are very moody", 4},
    {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby",
     "You are leaders and have a magnetic personality.You are assertive",
     "You have a violent temper. You may be arrogant and dominating.", 5},
    {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire",
     "You are very modest by nature. You are perfectionists",
     "Your need for neatness may make them fussy and finicky.", 6},
    {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal",
     "You are highly diplomatic individuals. You are charming",
     "You cannot take make decisions for themselves. You are easily gullible", 7},
    {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz",
     "You are intense and strong willed people who have a very determined",
     "You have a very short temper. Your bluntness may hurt", 8},
    {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise",
     "You are a happy go lucky lot with a very positive outlook",
     "You may be too outspoken for your own good.", 9},
    {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet",
     "You are people with a traditional frame of mind.",
     "You are very rigid in nature and not susceptible to changes.", 10},
    {"Aquarius", "Air", "1 and 7", "Wednesday", "Gemini and Libra", "Amethyst",
     "You are magnetic in nature and people get attracted to your personality.",
     "You do not make friends very easily inspite of your extrovert nature.", 11},
    {"Pisces", "Water", "2 and 6", "Friday", "Cancer and Scorpio", "Aquamarine",
     "You are very adjusting, friendly and good- natured people.",
     "You want people to sympathize with your personal problems.", 12},
}};

constexpr std::size_t kMinTraitLength = 330;
constexpr std::size_t kMaxTraitLength = 1000;
constexpr std::string_view kLeoFirstEnds = "You have a sunny nature and are optimistic about everything.";
constexpr std::string_view kLeoSecondBegins =
    "You have a proud and dignified presence and don't usually bend down in front of anyone";

// Opening words, length band and character set of one paragraph as shown.
::testing::AssertionResult IsTraitParagraph(std::string_view text, std::string_view begins) {
    if (!text.starts_with(begins)) {
        return ::testing::AssertionFailure()
               << "expected to begin \"" << begins << "\", begins \""
               << text.substr(0, begins.size()) << "\"";
    }
    if (text.size() < kMinTraitLength || text.size() > kMaxTraitLength) {
        return ::testing::AssertionFailure() << "expected length " << kMinTraitLength << ".."
                                             << kMaxTraitLength << ", actual " << text.size();
    }
    const auto bad = std::find_if(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e;
    });
    if (bad != text.end()) {
        return ::testing::AssertionFailure()
               << "non-printable or non-ASCII byte " << static_cast<int>(static_cast<unsigned char>(*bad))
               << " at offset " << (bad - text.begin());
    }
    return ::testing::AssertionSuccess();
}

std::string PositiveText(const SunSignProfileRow& row) {
    return std::string(row.positiveTraits) + std::string(row.positiveTraitsSecond);
}

TEST(SunSignContent, ShortColumnsAreExactlyAsTabled) {
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        const ExpectedProfile& want = kExpected[i];
        const SunSignProfileRow& row = kSunSignProfiles[i];
        SCOPED_TRACE(::testing::Message() << "row " << i << ", expected sign " << want.sign);
        EXPECT_EQ(row.sign, want.sign);
        EXPECT_EQ(row.element, want.element);
        EXPECT_EQ(row.luckyNumber, want.luckyNumber);
        EXPECT_EQ(row.luckyDay, want.luckyDay);
        EXPECT_EQ(row.compatibleSigns, want.compatibleSigns);
        EXPECT_EQ(row.birthStone, want.birthStone);
        EXPECT_EQ(row.pictureNumber, want.pictureNumber);
    }
}

// Every caption of compatible signs names the other two signs of the row's
// element, "A and B": checked against the elements, not against a copy.
TEST(SunSignContent, CompatibleSignsShareTheElement) {
    for (const SunSignProfileRow& row : kSunSignProfiles) {
        SCOPED_TRACE(::testing::Message() << "sign " << row.sign << ", caption \""
                                          << row.compatibleSigns << "\"");
        const auto sep = row.compatibleSigns.find(" and ");
        ASSERT_NE(sep, std::string_view::npos);
        const std::set<std::string_view> named{row.compatibleSigns.substr(0, sep),
                                               row.compatibleSigns.substr(sep + 5)};
        std::set<std::string_view> sameElement;
        for (const SunSignProfileRow& other : kSunSignProfiles) {
            if (other.element == row.element && other.sign != row.sign) sameElement.insert(other.sign);
        }
        EXPECT_EQ(named, sameElement);
    }
}

TEST(SunSignContent, TraitParagraphsBeginWithTheirWordsWithinBand) {
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        const SunSignProfileRow& row = kSunSignProfiles[i];
        SCOPED_TRACE(::testing::Message() << "sign " << kExpected[i].sign);
        EXPECT_TRUE(IsTraitParagraph(PositiveText(row), kExpected[i].positiveBegins)) << "positive traits";
        EXPECT_TRUE(IsTraitParagraph(row.negativeTraits, kExpected[i].negativeBegins)) << "negative traits";
    }
}

TEST(SunSignContent, OnlyLeoHasASecondPositiveParagraph) {
    for (const SunSignProfileRow& row : kSunSignProfiles) {
        SCOPED_TRACE(::testing::Message() << "sign " << row.sign);
        EXPECT_EQ(row.positiveTraitsSecond.empty(), row.sign != "Leo")
            << "second paragraph length " << row.positiveTraitsSecond.size();
    }
}

TEST(SunSignContent, LeoParagraphsJoinWithoutASpace) {
    const SunSignProfileRow& leo = kSunSignProfiles[4];
    ASSERT_EQ(leo.sign, "Leo");
    EXPECT_TRUE(leo.positiveTraits.ends_with(kLeoFirstEnds))
        << "first paragraph ends \""
        << leo.positiveTraits.substr(leo.positiveTraits.size() - std::min(leo.positiveTraits.size(), kLeoFirstEnds.size()))
        << "\"";
    EXPECT_TRUE(leo.positiveTraitsSecond.starts_with(kLeoSecondBegins))
        << "second paragraph begins \"" << leo.positiveTraitsSecond.substr(0, kLeoSecondBegins.size()) << "\"";
    // The report shows the two stored paragraphs back to back: a full stop,
    // then straight away the capital of the next sentence.
    ASSERT_FALSE(leo.positiveTraits.empty());
    ASSERT_FALSE(leo.positiveTraitsSecond.empty());
    EXPECT_EQ(leo.positiveTraits.back(), '.');
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(leo.positiveTraitsSecond.front())))
        << "second paragraph starts with '" << leo.positiveTraitsSecond.front() << "'";
}

TEST(SunSignContent, AllTwentyFourTraitTextsAreDistinct) {
    std::set<std::string> seen;
    for (const SunSignProfileRow& row : kSunSignProfiles) {
        EXPECT_TRUE(seen.insert(PositiveText(row)).second) << "positive traits of " << row.sign << " repeat";
        EXPECT_TRUE(seen.insert(std::string(row.negativeTraits)).second)
            << "negative traits of " << row.sign << " repeat";
    }
    EXPECT_EQ(seen.size(), 24u);
}

}  // namespace
