// Lunar-node reading: the row chosen from the north node's longitude.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "reading/node_reading.h"

namespace {

using namespace starwise::reading;

TEST(NodeRowOf, RowOfTheSignThePositionTextShows) {
    // The rows' texts are pinned by content_test; the two signs name the row.
    struct Case { double northNodeDeg; std::string_view north, south; };
    const Case kCases[] = {
        {0.0, "Aries", "Libra"}, {239.99, "Scorpio", "Taurus"}, {125.1228, "Leo", "Aquarius"},
        // A hair below a sign boundary still shows (and reads) the earlier sign.
        {std::nextafter(240.0, 0.0), "Scorpio", "Taurus"}, {std::nextafter(360.0, 0.0), "Pisces", "Virgo"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "north node " << c.northNodeDeg);
        const auto found = NodeRowOf(c.northNodeDeg);
        ASSERT_TRUE(found.Ok()) << found.detail;
        ASSERT_NE(found.value, nullptr);
        EXPECT_EQ(found.value->northSign, c.north);
        EXPECT_EQ(found.value->southSign, c.south);
    }
    for (const double outside : {std::nan(""), 360.0, -360.0}) {
        const auto found = NodeRowOf(outside);
        EXPECT_EQ(found.status, starwise::Status::OutOfRange) << outside;
        EXPECT_EQ(found.value, nullptr) << outside;
    }
}

TEST(NodeRowOf, LeoDescriptionsJoinTwoParagraphsWithNoSpace) {
    const starwise::content::NodeRow& leo = *NodeRowOf(132.5).value;
    struct Case { const char* which; std::string text; std::string_view join; };
    const Case kCases[] = {
        {"north", NorthDescriptionOf(leo), "dealing with others.Never jump out"},
        {"south", SouthDescriptionOf(leo), "stand by your ideals and fashions.You are however an inspiring"},
    };
    for (const Case& c : kCases) {
        EXPECT_NE(c.text.find(c.join), std::string::npos) << c.which << " lacks \"" << c.join << "\": " << c.text;
        EXPECT_TRUE(c.text.ends_with("learn from these little ones.")) << c.which << ": " << c.text;
    }
}

}  // namespace
