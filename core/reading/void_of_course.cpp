#include "reading/void_of_course.h"

#include <string>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "engine/position_text.h"

namespace starwise::reading {

std::vector<int> VoidOfCourseBodies(const engine::NatalChart& chart) {
    std::vector<int> bodies;
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const int degreesInSign = engine::WholeDegreesOf(chart.bodies[static_cast<std::size_t>(body)].longitudeDeg) % 30;
        if (degreesInSign >= 27) bodies.push_back(body);
    }
    return bodies;
}

std::vector<ReportPiece> VoidOfCourseSection(const engine::NatalChart& chart, const std::vector<int>& bodies) {
    const std::string_view br = kLineBreak;
    std::string text{content::kNatalMoonLabel};
    text += chart.bodies[engine::kMoon].positionText;
    text += br;
    text += br;
    text += content::kNatalMoonComment;
    text += br;
    text += br;
    for (const int body : bodies) {
        const content::BodyTextRow& row = content::kBodyTexts[static_cast<std::size_t>(body)];
        text += row.voidOfCourseHeading;
        text += br;
        text += br;
        text += row.generalParagraph;
        text += br;
        text += br;
    }
    text += br;
    std::string heading{content::kVoidOfCourseHeading};
    heading += br;
    heading += br;
    return {{PieceKind::SectionHeading, std::move(heading)}, {PieceKind::LeadIn, std::move(text)}};
}

}  // namespace starwise::reading
