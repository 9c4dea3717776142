// Lunar-node reading: the row chosen from the north node's sign and the six
// controls it writes, in order.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "reading/node_reading.h"
#include "reading/recording_view.h"

namespace {

using namespace starwise::reading;

// Every piece as "control=text", texts cut to their opening words.
std::vector<std::string> Written(std::string_view northNodeText) {
    RecordingReportView view;
    FillNodeReading(northNodeText, view);
    std::vector<std::string> lines;
    for (const ReportPiece& piece : view.Pieces()) lines.push_back(piece.control + "=" + piece.text.substr(0, 40));
    return lines;
}

TEST(FillNodeReading, RowFromTheNorthNodesSign) {
    struct Case {
        std::string_view text, northSign, northKeywords, northBegins, southSign, southKeywords, southBegins;
    };
    const Case kCases[] = {
        {"00 Ari 00", "Aries", "Co-dependent and Indecisive", "With your North node in Aries you need t", "Libra",
         "Co-dependency and Indecisiveness", "With your South Node in Libra you need t"},
        {"29 Sco 59", "Scorpio", "Stubborn and Self-Reliant", "North Node is Scorpio denotes that you a", "Taurus",
         "Stubborn and Self-reliant", "South Node in Taurus denotes that you ar"},
        {"14 Lib 07", "Libra", "Overconfident and Well-Balanced", "North Node in Libra denotes that you nee", "Aries",
         "Overconfident and Well-Balanced", "South Node in Aries denotes that you nee"},
        {"12 Leo 30", "Leo", "Introvert, Shy and Timid", "North Node in Leo indicates that you nee", "Aquarius",
         "Introvert, Shy and Timid", "South Node in Aquarius indicates that yo"},
        {"05 Leo", "Leo", "Introvert, Shy and Timid", "North Node in Leo indicates that you nee", "Aquarius",
         "Introvert, Shy and Timid", "South Node in Aquarius indicates that yo"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "north node \"" << c.text << "\"");
        const std::vector<std::string> expected{
            "lblNorthSign=" + std::string{c.northSign},     "lblNorthKeyWord=" + std::string{c.northKeywords},
            "txtNorthDesc=" + std::string{c.northBegins},   "lblSouthSign=" + std::string{c.southSign},
            "lblSouthKeyWord=" + std::string{c.southKeywords}, "txtSouthDesc=" + std::string{c.southBegins},
        };
        EXPECT_EQ(Written(c.text), expected);
    }
}

TEST(FillNodeReading, TextThatNamesNoSignWritesNothing) {
    for (const std::string_view text : {"", "05", "05 Le", "05 leo 00", "05 LEO 00", "Leo 05 00"}) {
        SCOPED_TRACE(testing::Message() << "north node \"" << text << "\"");
        EXPECT_EQ(Written(text), std::vector<std::string>{});
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
