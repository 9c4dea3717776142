#include "entry/zones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace starwise::entry {
namespace {

struct ZoneCase {
    int position;
    const char* text;
    int hours;
    int minutes;
};

// Every row's stored offset against its label: ZoneTable below. Here the
// offset in seconds with and without the box, both ends of the list, half
// hours either side of Greenwich, and two rows whose names differ only in
// the abbreviation.
TEST(ZoneRowUtcOffsetSeconds, StoredOffsetsOfNotableZones) {
    const ZoneCase cases[] = {
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(kZones[static_cast<std::size_t>(c.position)].listText, c.text);
        const int westSeconds = c.hours * 3600 + c.minutes * 60;
        EXPECT_EQ(ZoneRowUtcOffsetSeconds({c.position, false}), -westSeconds);
        EXPECT_EQ(ZoneRowUtcOffsetSeconds({c.position, true}), 3600 - westSeconds);  // the box adds an hour
        EXPECT_EQ(ZonePositionOfText(c.text), c.position);
    }
}

TEST(ZoneRowUtcOffsetSeconds, PositionOutsideTheListGivesNothing) {
    for (const int position : {-1, 71, 1000}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(ZoneRowUtcOffsetSeconds({position, true}), std::nullopt);
    }
}

// Every row agrees with its label: the label's hours east, negated; ".5"
// and the one ".3" mean thirty minutes.
TEST(ZoneTable, EveryRowAgreesWithItsLabel) {
    for (const ZoneRow& row : kZones) {
        SCOPED_TRACE(std::string{row.listText});
        const std::string text{row.listText};
        const double labelHoursEast = std::stod(text.substr(text.rfind(',') + 1));
        const double whole = std::trunc(labelHoursEast);
        const bool half = std::abs(labelHoursEast - whole) > 0.2;
        EXPECT_EQ(row.zoneOffsetHours, static_cast<int>(-whole));
        EXPECT_EQ(row.zoneOffsetMinutes, half ? (labelHoursEast > 0 ? -30 : 30) : 0);
    }
    EXPECT_EQ(kZones[kGreenwichZonePosition].listText, "Greenwich Mean Time,GMT,0.0");
}

}  // namespace
}  // namespace starwise::entry
