// The positions table: each row's sign and degree agree with the body's
// position text (both truncate), and the houses are the reading's.
#include <gtest/gtest.h>

#include <string>

#include "engine/position_text.h"
#include "reading/positions.h"

namespace {

using namespace starwise;

struct PositionCase {
    double longitudeDeg;
    const char* sign;
    const char* degreeText;
};

TEST(PositionRowsOf, SignAndDegreeTruncatedAsThePositionTexts) {
    // Expected values worked by hand: sign = floor(L / 30), degrees and minutes truncated.
    const PositionCase cases[] = {
        {0.0, "Ari", "0\u00B000\u2032"},
        {107.4, "Can", "17\u00B024\u2032"},            // Mercury, São Paulo 1980
        {29.99999, "Ari", "29\u00B059\u2032"},         // not rounded up into Taurus
        {359.999, "Pis", "29\u00B059\u2032"},
        {185.0 + 5.0 / 60.0, "Lib", "5\u00B005\u2032"},
    };
    for (const PositionCase& c : cases) {
        reading::Reading r;
        r.chart.emplace();
        for (engine::ChartBody& body : r.chart->bodies) body.longitudeDeg = c.longitudeDeg;
        r.chart->northNodeDeg = r.chart->southNodeDeg = c.longitudeDeg;
        const auto rows = reading::PositionRowsOf(r);
        ASSERT_EQ(rows.size(), 13u);
        for (const reading::PositionRow& row : rows) {
            SCOPED_TRACE(testing::Message() << c.longitudeDeg << " " << row.body);
            EXPECT_EQ(row.sign, c.sign);
            EXPECT_EQ(row.degreeText, c.degreeText);
            EXPECT_EQ(row.house, 0);  // no house placement in this reading
        }
        // The same truncation as the position text ("17 Can 24").
        const std::string text = engine::ShortPositionOf(c.longitudeDeg);
        EXPECT_EQ(text.substr(3, 3), c.sign) << text;
    }
    EXPECT_TRUE(reading::PositionRowsOf(reading::Reading{}).empty());
}

TEST(PositionRowsOf, HousesOfTheBodiesOnly) {
    reading::Reading r;
    r.chart.emplace();
    r.houses.emplace();
    for (int b = 0; b < engine::kReadingBodies; ++b) r.houses->houseOfBody[static_cast<std::size_t>(b)] = b + 1;
    const auto rows = reading::PositionRowsOf(r);
    ASSERT_EQ(rows.size(), 13u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].house, k < 10 ? static_cast<int>(k) + 1 : 0) << "row " << k;
    }
    EXPECT_EQ(rows[10].body, "Ascendant");
    EXPECT_EQ(rows[12].body, "South Node");
}

}  // namespace
