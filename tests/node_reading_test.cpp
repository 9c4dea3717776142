// Lunar-node reading: the row chosen from the north node's sign and the six
// controls it writes, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "reading/node_reading.h"
#include "report_pieces.h"

namespace {

using namespace starwise::reading;

// Every piece as "control=text", descriptions cut to their opening words.
std::vector<std::string> Written(std::string_view northNodeText) {
    RecordingReportView view;
    FillNodeReading(northNodeText, view);
    std::vector<std::string> lines = starwise::test::ShowAll(view);
    for (std::string& line : lines) line.resize(std::min(line.size(), line.find('=') + 41));
    return lines;
}

TEST(FillNodeReading, RowFromTheNorthNodesSign) {
    struct Case { std::string_view text; std::vector<std::string> expected; };
    const Case kCases[] = {
        {"00 Ari 00", {"lblNorthSign=Aries", "lblNorthKeyWord=Co-dependent and Indecisive",
                       "txtNorthDesc=With your North node in Aries you need t", "lblSouthSign=Libra",
                       "lblSouthKeyWord=Co-dependency and Indecisiveness",
                       "txtSouthDesc=With your South Node in Libra you need t"}},
        {"29 Sco 59", {"lblNorthSign=Scorpio", "lblNorthKeyWord=Stubborn and Self-Reliant",
                       "txtNorthDesc=North Node is Scorpio denotes that you a", "lblSouthSign=Taurus",
                       "lblSouthKeyWord=Stubborn and Self-reliant",
                       "txtSouthDesc=South Node in Taurus denotes that you ar"}},
        {"05 Leo", {"lblNorthSign=Leo", "lblNorthKeyWord=Introvert, Shy and Timid",
                    "txtNorthDesc=North Node in Leo indicates that you nee", "lblSouthSign=Aquarius",
                    "lblSouthKeyWord=Introvert, Shy and Timid",
                    "txtSouthDesc=South Node in Aquarius indicates that yo"}},
        // Texts that name no sign write nothing.
        {"", {}}, {"05 Le", {}}, {"05 leo 00", {}}, {"05 LEO 00", {}}, {"Leo 05 00", {}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "north node \"" << c.text << "\"");
        EXPECT_EQ(Written(c.text), c.expected);
    }
}

TEST(FillNodeReading, LeoDescriptionsJoinTwoParagraphsWithNoSpace) {
    RecordingReportView view;
    FillNodeReading("12 Leo 30", view);
    struct Case { const char* control; std::string_view join; };
    const Case kCases[] = {
        {"txtNorthDesc", "dealing with others.Never jump out"},
        {"txtSouthDesc", "stand by your ideals and fashions.You are however an inspiring"},
    };
    for (const Case& c : kCases) {
        const std::string text = view.LastWritten(c.control).value_or("");
        EXPECT_NE(text.find(c.join), std::string::npos) << c.control << " lacks \"" << c.join << "\": " << text;
        EXPECT_TRUE(text.ends_with("learn from these little ones.")) << c.control << ": " << text;
    }
}

}  // namespace
