#include "reading/void_of_course.h"

#include <string>

#include "content/body_texts.h"
#include "content/fixed_texts.h"

namespace starwise::reading {
namespace {

// Whole degrees within the sign from the first two characters of a short
// position text; -1 when they are not two digits.
int WholeDegreesOf(const std::string& positionText) {
    if (positionText.size() < 2) return -1;
    const char tens = positionText[0];
    const char units = positionText[1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return -1;
    return (tens - '0') * 10 + (units - '0');
}

}  // namespace

std::vector<int> VoidOfCourseBodies(const engine::NatalChart& chart) {
    std::vector<int> bodies;
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const int degrees = WholeDegreesOf(chart.PositionText(body));
        if (degrees >= 27 && degrees <= 29) bodies.push_back(body);
    }
    return bodies;
}

void WriteVoidOfCourse(const engine::NatalChart& chart, ReportView& view) {
    const std::string_view br = kLineBreak;
    std::string text{content::kNatalMoonLabel};
    text += chart.PositionText(engine::kMoon);
    text += br;
    text += br;
    text += content::kNatalMoonComment;
    text += br;
    text += br;
    for (const int body : VoidOfCourseBodies(chart)) {
        const content::BodyTextRow& row = content::kBodyTexts[static_cast<std::size_t>(body)];
        text += row.voidOfCourseHeading;
        text += br;
        text += br;
        text += row.generalParagraph;
        text += br;
        text += br;
    }
    std::string heading{content::kVoidOfCourseHeading};
    heading += br;
    heading += br;
    view.WriteStyled({true, TextColour::Green, 11}, heading);
    text += br;
    view.WriteStyled({true, TextColour::Red, std::nullopt}, text);
}

}  // namespace starwise::reading
