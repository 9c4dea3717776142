// Lunar-node table: test order, the four captions of each row, the opening
// words and length of each description, and the Leo two-part joins.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>

#include "content/node_texts.h"

namespace {

using starwise::content::kNodeRows;
using starwise::content::NodeRow;

struct ExpectedNodeRow {
    std::string_view test;
    std::string_view northSign, northKeywords, northBegins;
    std::string_view southSign, southKeywords, southBegins;
};

constexpr std::array<ExpectedNodeRow, 12> kExpected{{
    {"Lib", "Libra", "Overconfident and Well-Balanced",
     "North Node in Libra denotes that you need to understand and develop", "Aries",
     "Overconfident and Well-Balanced", "South Node in Aries denotes that you need to understand and develop"},
    {"Vir", "Virgo", "Generous and Kind", "North Node in Virgo denotes that you are too kind, warm hearted",
     "Pisces", "Generous and Kind", "South Node in Pisces denotes that you are too kind, warm hearted"},
    {"Leo", "Leo", "Introvert, Shy and Timid", "North Node in Leo indicates that you need to learn and permit",
     "Aquarius", "Introvert, Shy and Timid",
     "South Node in Aquarius indicates that you need to learn and permit"},
    {"Can", "Cancer", "Impulsive and Social", "Learn how to accept and acknowledge the help received from others.",
     "Capricorn", "Impulsive and Social",
     "Learn how to accept and acknowledge the help received from others."},
    {"Gem", "Gemini", "Impatient and Hasty",
     "With your north node in Gemini try and express yourself all the more.", "Sagittarius",
     "Impatient and Hasty", "With your south Node in Sagittarius try and express yourself all the more."},
    {"Tau", "Taurus", "Secretive and Mysterious", "North Node in Taurus denotes that you have to work to develop",
     "Scorpio", "Secretive and Mysterious", "South Node in Scorpio denotes that you have to work to develop"},
    {"Ari", "Aries", "Co-dependent and Indecisive", "With your North node in Aries you need to work a lot",
     "Libra", "Co-dependency and Indecisiveness", "With your South Node in Libra you need to work a lot"},
    {"Pis", "Pisces", "Compassionate and Worried", "North node in Pisces denotes that you worry unnecessarily",
     "Virgo", "Compassionate and Worried", "South Node in Virgo denotes that you worry unnecessarily"},
    {"Aqu", "Aquarius", "Domestic and Emotional", "North Node in Aquarius denotes that you tend to become very much",
     "Leo", "Domestic and Emotional", "South Node in Leo denotes that you tend to become very much"},
    {"Cap", "Capricorn", "Nostalgic, Coward, Pessimistic and Sensitive",
     "North Node in Capricorn denotes that you have a tendency", "Cancer",
     "Nostalgic, Coward, Pessimistic and Sensitive", "South Node in Cancer denotes that you have a tendency"},
    {"Sag", "Sagittarius", "Stimulating and Generous",
     "North node in Sagittarius denotes that you are so very simulative", "Gemini", "Stimulating and Generous",
     "South Node in Gemini denotes that you are so very simulative"},
    {"Sco", "Scorpio", "Stubborn and Self-Reliant", "North Node is Scorpio denotes that you are self-reliant",
     "Taurus", "Stubborn and Self-reliant", "South Node in Taurus denotes that you are self-reliant"},
}};

constexpr std::size_t kMinDescriptionLength = 540;
constexpr std::size_t kMaxDescriptionLength = 1200;

// Opening words, length band and character set of one description as shown.
::testing::AssertionResult IsDescription(std::string_view text, std::string_view begins) {
    if (!text.starts_with(begins)) {
        return ::testing::AssertionFailure()
               << "expected to begin \"" << begins << "\", begins \""
               << text.substr(0, begins.size()) << "\"";
    }
    if (text.size() < kMinDescriptionLength || text.size() > kMaxDescriptionLength) {
        return ::testing::AssertionFailure() << "expected length " << kMinDescriptionLength << ".."
                                             << kMaxDescriptionLength << ", actual " << text.size();
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

std::string North(const NodeRow& row) {
    return std::string(row.northDescription) + std::string(row.northDescriptionSecond);
}
std::string South(const NodeRow& row) {
    return std::string(row.southDescription) + std::string(row.southDescriptionSecond);
}

TEST(NodeContent, CaptionsAreExactlyAsTabledInTestOrder) {
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        const ExpectedNodeRow& want = kExpected[i];
        const NodeRow& row = kNodeRows[i];
        SCOPED_TRACE(::testing::Message() << "row " << i << ", expected test " << want.test);
        EXPECT_EQ(row.test, want.test);
        EXPECT_EQ(row.northSign, want.northSign);
        EXPECT_EQ(row.northKeywords, want.northKeywords);
        EXPECT_EQ(row.southSign, want.southSign);
        EXPECT_EQ(row.southKeywords, want.southKeywords);
    }
}

// The test of a row is the abbreviation of its north sign, and the south sign
// is the opposite one, six signs on.
TEST(NodeContent, SouthSignIsOppositeOfNorth) {
    constexpr std::array<std::string_view, 12> kSigns{"Aries", "Taurus", "Gemini", "Cancer",
                                                     "Leo", "Virgo", "Libra", "Scorpio",
                                                     "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (const NodeRow& row : kNodeRows) {
        SCOPED_TRACE(::testing::Message() << "test " << row.test << ", north " << row.northSign
                                          << ", south " << row.southSign);
        const auto north = std::find(kSigns.begin(), kSigns.end(), row.northSign);
        ASSERT_NE(north, kSigns.end());
        EXPECT_EQ(row.test, row.northSign.substr(0, 3));
        EXPECT_EQ(row.southSign, kSigns[(static_cast<std::size_t>(north - kSigns.begin()) + 6) % 12]);
    }
}

TEST(NodeContent, DescriptionsBeginWithTheirWordsWithinBand) {
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        const NodeRow& row = kNodeRows[i];
        SCOPED_TRACE(::testing::Message() << "test " << kExpected[i].test);
        EXPECT_TRUE(IsDescription(North(row), kExpected[i].northBegins)) << "north description";
        EXPECT_TRUE(IsDescription(South(row), kExpected[i].southBegins)) << "south description";
    }
}

TEST(NodeContent, OnlyLeoHasSecondParagraphs) {
    for (const NodeRow& row : kNodeRows) {
        SCOPED_TRACE(::testing::Message() << "test " << row.test);
        EXPECT_EQ(row.northDescriptionSecond.empty(), row.test != "Leo")
            << "north second length " << row.northDescriptionSecond.size();
        EXPECT_EQ(row.southDescriptionSecond.empty(), row.test != "Leo")
            << "south second length " << row.southDescriptionSecond.size();
    }
}

TEST(NodeContent, LeoParagraphsJoinWithoutASpace) {
    struct Join {
        const char* side;
        std::string_view first, second;
        std::string_view firstEnds, secondBegins;
    };
    const NodeRow& leo = kNodeRows[2];
    ASSERT_EQ(leo.test, "Leo");
    const std::array<Join, 2> joins{{
        {"north", leo.northDescription, leo.northDescriptionSecond,
         "Be more alert and conscious while dealing with others.",
         "Never jump out to follow the latest trend and fashion rather stand by your ideals and fashions."},
        {"south", leo.southDescription, leo.southDescriptionSecond,
         "rather stand by your ideals and fashions.",
         "You are however an inspiring body for the others around you"},
    }};
    for (const Join& j : joins) {
        SCOPED_TRACE(::testing::Message() << j.side << " side");
        ASSERT_FALSE(j.first.empty());
        ASSERT_FALSE(j.second.empty());
        EXPECT_TRUE(j.first.ends_with(j.firstEnds))
            << "expected first to end \"" << j.firstEnds << "\", ends \""
            << j.first.substr(j.first.size() - std::min(j.first.size(), j.firstEnds.size())) << "\"";
        EXPECT_TRUE(j.second.starts_with(j.secondBegins))
            << "expected second to begin \"" << j.secondBegins << "\", begins \""
            << j.second.substr(0, j.secondBegins.size()) << "\"";
        EXPECT_TRUE(j.second.ends_with("learn from these little ones."))
            << "second ends \"" << j.second.substr(j.second.size() - std::min<std::size_t>(j.second.size(), 30)) << "\"";
        EXPECT_EQ(j.first.back(), '.');
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(j.second.front())))
            << "second starts with '" << j.second.front() << "'";
    }
}

TEST(NodeContent, DescriptionsAreDistinct) {
    std::set<std::string> seen;
    for (const NodeRow& row : kNodeRows) {
        SCOPED_TRACE(::testing::Message() << "test " << row.test);
        EXPECT_NE(North(row), South(row));
        EXPECT_TRUE(seen.insert(North(row)).second) << "north description repeats another";
        EXPECT_TRUE(seen.insert(South(row)).second) << "south description repeats another";
    }
    EXPECT_EQ(seen.size(), 24u);
}

}  // namespace
