#include "engine/position_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

#include "test_support.h"

namespace starwise::engine {
namespace {

struct LongCase {
    double degrees;
    const char* expected;
};

TEST(FormatLongPosition, TruncatesEveryPart) {
    const LongCase cases[] = {
        {125.6952, "5\xC2\xB0 41' 42\" Leo"},
        {0.0, "0\xC2\xB0 0' 0\" Ari"},
        {30.0, "0\xC2\xB0 0' 0\" Tau"},
        {359.99, "29\xC2\xB0 59' 24\" Pis"},
        {-125.6952, "5\xC2\xB0 41' 42\" Leo"},  // the absolute value is shown
        {0.0833, "0\xC2\xB0 4' 59\" Ari"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(FormatLongPosition(c.degrees), c.expected);
    }
}

TEST(FormatLongPosition, RefusesValuesOutsideOneTurn) {
    for (const double bad : {360.0, -360.0, 1e9, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(FormatLongPosition(bad), std::domain_error);
    }
}

struct ShortCase {
    const char* longText;
    const char* expected;
};

TEST(FormatShortPosition, PadsAndDropsTheSeconds) {
    const ShortCase cases[] = {
        {"5\xC2\xB0 41' 42\" Leo", "05 Leo 41"},
        {"29\xC2\xB0 59' 58\" Pis", "29 Pis 59"},
        {"0\xC2\xB0 4' 59\" Ari", "00 Ari 04"},
        {"  12\xC2\xB0 30' 0\" Sco", "12 Sco 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longText);
        EXPECT_EQ(FormatShortPosition(c.longText), c.expected);
    }
}

TEST(FormatShortPosition, RefusesTextsWithoutDegreeAndMinuteMarks) {
    for (const char* bad : {"", "abc", "12' 30\xC2\xB0 Leo", "12\xC2\xB0 30 Leo", "'\xC2\xB0"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(FormatShortPosition(bad), std::invalid_argument);
    }
}

// Every longitude in [0, 360) has a well-formed short text whose degree and
// sign agree with the value.
TEST(PositionTexts, EveryLongitudeGivesAWellFormedShortText) {
    static const std::regex kShort{R"(^([0-2]\d) (Ari|Tau|Gem|Can|Leo|Vir|Lib|Sco|Sag|Cap|Aqu|Pis) ([0-5]\d)$)"};
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> longitude(0.0, 360.0);
    for (int i = 0; i < 20000; ++i) {
        const double degrees = i == 0 ? std::nextafter(360.0, 0.0) : longitude(random);
        const std::string text = FormatShortPosition(FormatLongPosition(degrees));
        ASSERT_EQ(ShortPositionOf(degrees), text);
        std::smatch parts;
        SCOPED_TRACE(testing::Message() << degrees << " -> " << text);
        ASSERT_TRUE(std::regex_match(text, parts, kShort));
        const int sign = static_cast<int>(kSignAbbreviations.find(parts[2].str()) / 3);
        EXPECT_EQ(sign * 30 + std::stoi(parts[1].str()), static_cast<int>(std::floor(degrees)));
        EXPECT_EQ(std::stoi(parts[3].str()), static_cast<int>(std::floor((degrees - std::floor(degrees)) * 60.0)));
    }
}

}  // namespace
}  // namespace starwise::engine
