#include "entry/utc_offset.h"

#include <gtest/gtest.h>

namespace starwise::entry {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

// The form's exact-offset box and --utc-offset read offsets alike.
TEST(ParseUtcOffsetSeconds, TakesSignedHoursMinutesAndSeconds) {
    const struct {
        const char* text;
        std::optional<int> seconds;
    } cases[] = {
        {"+05:45", 5 * kHour + 45 * kMinute},
        {"-03:30", -(3 * kHour + 30 * kMinute)},
        {" +0:39:58 ", 39 * kMinute + 58},                  // spaces around, seconds kept
        {"5:45", std::nullopt},                             // the sign is part of it
        {"UTC+05:45", std::nullopt},
        {"-16:00", -16 * kHour},
        {"+16:00:01", std::nullopt},                        // beyond 16 h
        {"+5:7", std::nullopt},                             // minutes take two digits
        {"+05:60", std::nullopt},
        {"+05:45:60", std::nullopt},
        {"+05:45:", std::nullopt},
        {"+0545", std::nullopt},
        {"+123:00", std::nullopt},
        {"+05:45x", std::nullopt},
        {"", std::nullopt},
        {"--05:45", std::nullopt},
        {"-04:56:02", -17762},       {"+00:19:32", 1172},         {"+05:45:0", std::nullopt},
        {"+", std::nullopt},         {"+05:45:00:00", std::nullopt}, {"+05-45", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseUtcOffsetSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(UtcOffsetBoxText, ReadsBackAsTheSameOffset) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{20700, "+05:45"}, {-12600, "-03:30"}, {2398, "+00:39:58"}, {0, "+00:00"}, {-57600, "-16:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(UtcOffsetBoxText(c.seconds), c.text) << c.seconds;
        EXPECT_EQ(ParseUtcOffsetSeconds(c.text), c.seconds) << c.text;
    }
}

}  // namespace
}  // namespace starwise::entry
