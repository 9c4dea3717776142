// One row per body (Sun .. Pluto, in chart order): the texts the house
// section writes for a placed body, and the void-of-course heading. The
// general paragraph doubles as the body's void-of-course comment.
#pragma once

#include <array>
#include <string_view>

namespace starwise::content {

// The placed-body titles alternate between two accents, Sun first.
enum class TitleAccent { Primary, Alternate };

struct BodyTextRow {
    std::string_view body;                    // "Sun" .. "Pluto"
    std::string_view placementTitle;          // "Sun In"
    std::string_view characteristicsHeading;  // "Characterstics Of Planet Sun :-"
    TitleAccent titleAccent;                  // Primary for the Sun, then alternating
    int lineBreaksAfterHeading;               // 1, or 2 for Venus
    std::string_view generalParagraph;        // also the void-of-course comment
    std::string_view voidOfCourseHeading;     // "The Sun Is In Void Of Course"
};

extern const std::array<BodyTextRow, 10> kBodyTexts;

}  // namespace starwise::content
