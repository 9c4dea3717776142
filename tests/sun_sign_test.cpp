// Sun sign from the entered date (fixed day boundaries) and the profile it
// writes: captions, trait texts and picture, in order.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/recording_view.h"
#include "reading/sun_sign.h"

namespace {

using namespace starwise::reading;

TEST(SunSignOf, DayBoundariesOfEveryMonth) {
    struct Case { int month, day; std::optional<std::string_view> sign; };  // calendar month and day
    const Case kCases[] = {
        {1, 1, "Capricorn"},   {1, 19, "Capricorn"},  {1, 20, "Aquarius"},    {1, 31, "Aquarius"},
        {2, 18, "Aquarius"},   {2, 19, "Pisces"},     {2, 31, "Pisces"},
        {3, 20, "Pisces"},     {3, 21, "Aries"},      {4, 20, "Aries"},       {4, 21, "Taurus"},
        {5, 20, "Taurus"},     {5, 21, "Gemini"},     {6, 20, "Gemini"},      {6, 21, "Cancer"},
        {7, 20, "Cancer"},     {7, 21, "Leo"},        {8, 20, "Leo"},         {8, 21, "Virgo"},
        {9, 20, "Virgo"},      {9, 21, "Libra"},      {10, 20, "Libra"},      {10, 21, "Scorpio"},
        {11, 20, "Scorpio"},   {11, 21, "Sagittarius"}, {12, 1, "Sagittarius"}, {12, 20, "Sagittarius"},
        {12, 21, "Capricorn"}, {12, 31, "Capricorn"},
        // Positions outside the lists: no sign.
        {1, 0, std::nullopt},  {7, 32, std::nullopt}, {0, 10, std::nullopt},  {13, 10, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "month position " << c.month - 1 << ", day position " << c.day - 1);
        EXPECT_EQ(SunSignOf(c.month - 1, c.day - 1), c.sign);
    }
}

TEST(ChooseSunSign, NoDaySelectedKeepsThePreviousSign) {
    struct Case { std::string previous; int month, day; std::string expected; };
    const Case kCases[] = {
        {"", 6, -1, ""},      {"Leo", 0, -1, "Leo"}, {"Leo", 0, 31, "Leo"},
        {"Leo", -1, 5, "Leo"}, {"Leo", 0, 18, "Capricorn"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "previous \"" << c.previous << "\", positions " << c.month << "/" << c.day);
        std::string name = c.previous;
        ChooseSunSign(c.month, c.day, name);
        EXPECT_EQ(name, c.expected);
    }
}

// Every piece as "control=text", the picture as "picSunSign=#n".
std::vector<std::string> Written(const RecordingReportView& view) {
    std::vector<std::string> lines;
    for (const ReportPiece& piece : view.Pieces()) {
        lines.push_back(piece.control + "=" +
                        (piece.kind == ReportPiece::Kind::Picture ? "#" + std::to_string(piece.pictureNumber)
                                                                  : piece.text.substr(0, 30)));
    }
    return lines;
}

TEST(FillSunSignProfile, WritesNameCaptionsTraitsAndPictureInOrder) {
    struct Case {
        std::string_view sign, element, number, day, compatible, stone, positive, negative;
        int picture;
    };
    const Case kCases[] = {
        {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond", "You may be pioneers in your fie",
         "You may be arrogant and dominee", 1},
        {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby", "You are leaders and have a mag",
         "You have a violent temper. You ", 5},
        {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet", "You are people with a traditio",
         "You are very rigid in nature an", 10},
        {"Pisces", "Water", "2 and 6", "Friday", "", "Aquamarine", "You are very adjusting, friendl",
         "You want people to sympathize w", 12},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "sign " << c.sign);
        RecordingReportView view;
        FillSunSignProfile(c.sign, view);
        std::vector<std::string> written = Written(view);
        ASSERT_EQ(written.size(), 9u) << testing::PrintToString(written);
        if (c.compatible.empty()) written[4] = "lblSunSignCompatibility=";  // wording of our own, not pinned
        const auto cut = [](std::string_view text) { return std::string{text.substr(0, 30)}; };
        const std::vector<std::string> expected{
            "lblSunSign=" + cut(c.sign),
            "lblSunSignElement=" + cut(c.element),
            "lblSunSignNumber=" + cut(c.number),
            "lblSunSignDay=" + cut(c.day),
            "lblSunSignCompatibility=" + cut(c.compatible),
            "lblSunSignBirthStone=" + cut(c.stone),
            "txtSunSignPositiveTraits=" + cut(c.positive),
            "txtSunSignNegativeTraits=" + cut(c.negative),
            "picSunSign=#" + std::to_string(c.picture),
        };
        EXPECT_EQ(written, expected);
    }
}

TEST(FillSunSignProfile, LeoPositiveTraitsJoinWithNoSpace) {
    RecordingReportView view;
    FillSunSignProfile("Leo", view);
    const std::string positive = view.LastWritten("txtSunSignPositiveTraits").value_or("");
    EXPECT_NE(positive.find("optimistic about everything.You have a proud and dignified presence"), std::string::npos)
        << "actual: " << positive;
}

TEST(FillSunSignProfile, UnknownNameWritesOnlyTheSignCaption) {
    for (const std::string_view name : {"", "aries", "Leo "}) {
        SCOPED_TRACE(testing::Message() << "name \"" << name << "\"");
        RecordingReportView view;
        FillSunSignProfile(name, view);
        EXPECT_EQ(Written(view), std::vector<std::string>{"lblSunSign=" + std::string{name}});
    }
}

}  // namespace
