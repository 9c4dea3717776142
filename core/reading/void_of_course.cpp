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

std::vector<ReportBlock> VoidOfCourseSection(const engine::NatalChart& chart, const std::vector<int>& bodies) {
    // The section is written in the lead-in's emphasis throughout; each
    // body's heading is a title of the same look, kept with its paragraph.
    const auto block = [](BlockKind kind, std::string_view text) {
        return ReportBlock{kind, std::string{text}, {}, BlockBreak::Paragraph};
    };
    std::vector<ReportBlock> blocks{
        block(BlockKind::SectionHeading, content::kVoidOfCourseHeading),
        block(BlockKind::LeadIn, std::string{content::kNatalMoonLabel} + chart.bodies[engine::kMoon].positionText),
        block(BlockKind::LeadIn, content::kNatalMoonComment),
    };
    for (const int body : bodies) {
        const content::BodyTextRow& row = content::kBodyTexts[static_cast<std::size_t>(body)];
        blocks.push_back(block(BlockKind::BodyTitle, row.voidOfCourseHeading));
        blocks.push_back(block(BlockKind::LeadIn, row.generalParagraph));
    }
    return blocks;
}

}  // namespace starwise::reading
