// Sun sign from the entered date (fixed day boundaries) and the profile it
// writes: captions, trait texts and picture, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/sun_sign.h"
#include "report_pieces.h"

namespace {

using namespace starwise::reading;
using starwise::test::ShowAll;

TEST(SunSignOf, DayBoundariesOfEveryMonth) {
    struct Case { int month, day; std::optional<std::string_view> sign; };  // calendar month and day
    const Case kCases[] = {
        {1, 19, "Capricorn"},  {1, 20, "Aquarius"},   {2, 18, "Aquarius"},  {2, 19, "Pisces"},
        {2, 31, "Pisces"},     {3, 20, "Pisces"},     {3, 21, "Aries"},     {4, 20, "Aries"},
        {4, 21, "Taurus"},     {5, 20, "Taurus"},     {5, 21, "Gemini"},    {6, 20, "Gemini"},
        {6, 21, "Cancer"},     {7, 20, "Cancer"},     {7, 21, "Leo"},       {8, 20, "Leo"},
        {8, 21, "Virgo"},      {9, 20, "Virgo"},      {9, 21, "Libra"},     {10, 20, "Libra"},
        {10, 21, "Scorpio"},   {11, 20, "Scorpio"},   {11, 21, "Sagittarius"}, {12, 20, "Sagittarius"},
        {12, 21, "Capricorn"}, {12, 31, "Capricorn"},
        // Positions outside the lists: no sign.
        {1, 0, std::nullopt},  {7, 32, std::nullopt}, {0, 10, std::nullopt}, {13, 10, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "month position " << c.month - 1 << ", day position " << c.day - 1);
        EXPECT_EQ(SunSignOf(c.month - 1, c.day - 1), c.sign);
    }
}

TEST(ChooseSunSign, NoDaySelectedKeepsThePreviousSign) {
    struct Case { std::string previous; int month, day; std::string expected; };
    const Case kCases[] = {
        {"", 6, -1, ""}, {"Leo", 0, -1, "Leo"}, {"Leo", 0, 31, "Leo"}, {"Leo", -1, 5, "Leo"},
        {"Leo", 0, 18, "Capricorn"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "previous \"" << c.previous << "\", positions " << c.month << "/" << c.day);
        std::string name = c.previous;
        ChooseSunSign(c.month, c.day, name);
        EXPECT_EQ(name, c.expected);
    }
}

TEST(FillSunSignProfile, WritesCaptionsTraitsAndPictureInOrder) {
    struct Case { std::string_view sign; std::vector<std::string> expected; };
    const Case kCases[] = {
        {"Leo", {"lblSunSign=Leo", "lblSunSignElement=Fire", "lblSunSignNumber=8 and 9", "lblSunSignDay=Sunday",
                 "lblSunSignCompatibility=Aries and Sagittarius", "lblSunSignBirthStone=Ruby",
                 "txtSunSignPositiveTraits=You are leaders and have a mag",
                 "txtSunSignNegativeTraits=You have a violent temper. You", "picSunSign #5"}},
        {"Pisces", {"lblSunSign=Pisces", "lblSunSignElement=Water", "lblSunSignNumber=2 and 6",
                    "lblSunSignDay=Friday", "lblSunSignCompatibility=Cancer and Scorpio",
                    "lblSunSignBirthStone=Aquamarine", "txtSunSignPositiveTraits=You are very adjusting, friend",
                    "txtSunSignNegativeTraits=You want people to sympathize ", "picSunSign #12"}},
        // An unknown name writes only the sign caption.
        {"", {"lblSunSign="}}, {"aries", {"lblSunSign=aries"}}, {"Leo ", {"lblSunSign=Leo "}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "sign \"" << c.sign << "\"");
        RecordingReportView view;
        FillSunSignProfile(c.sign, view);
        std::vector<std::string> written = ShowAll(view);
        for (std::string& line : written) {  // the trait paragraphs by their opening words
            if (line.starts_with("txt")) line.resize(std::min(line.size(), line.find('=') + 31));
        }
        EXPECT_EQ(written, c.expected);
    }
    // Leo's two stored paragraphs are shown back to back, nothing between.
    RecordingReportView view;
    FillSunSignProfile("Leo", view);
    const std::string positive = view.LastWritten("txtSunSignPositiveTraits").value_or("");
    EXPECT_NE(positive.find("optimistic about everything.You have a proud and dignified presence"), std::string::npos)
        << "Leo's positive traits lack the join: " << positive;
}

}  // namespace
