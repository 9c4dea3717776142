#include "reading/birth_header.h"

#include <gtest/gtest.h>

namespace starwise::reading {
namespace {

using std::chrono::July;
using std::chrono::May;
using std::chrono::year;

TEST(BirthHeaderText, NamesThePersonTheBirthThePlaceAndTheZoneUsed) {
    entry::BirthInput pune;
    pune.name = "ASHA KULKARNI";
    pune.localDate = year{1980} / July / 15;
    pune.localMinutes = 6 * 60 + 30;
    pune.latitudeDeg = 18.51957;  // GeoNames
    pune.longitudeDeg = 73.85535;
    pune.zone = entry::ZoneRowChoice{34, false};  // Indian Time
    pune.placeLabel = "Pune, Maharashtra, India";

    entry::BirthInput kathmandu;
    kathmandu.localDate = year{1990} / May / 1;
    kathmandu.localMinutes = 12 * 60;
    kathmandu.latitudeDeg = 27.70169;
    kathmandu.longitudeDeg = -85.3206;  // west, to see the hemisphere
    kathmandu.zone = entry::ExactOffset{5 * 3600 + 45 * 60, entry::OffsetSource::TimeZoneDatabase};

    EXPECT_EQ(BirthHeaderText(pune), "ASHA KULKARNI, born 15 July 1980 06:30 in Pune, Maharashtra, India "
                                     "(18\u00b031'N 73\u00b051'E); zone: Indian Time without daylight saving, UTC+5:30");
    EXPECT_EQ(BirthHeaderText(kathmandu), "Born 1 May 1990 12:00 at 27\u00b042'N 85\u00b019'W; zone: UTC+5:45 from the "
                                          "time zone database");
}

}  // namespace
}  // namespace starwise::reading
