#include "reading/aspects.h"

#include <cmath>

#include "content/fixed_texts.h"

namespace starwise::reading {

Aspect AspectBetween(double longitudeIDeg, double longitudeJDeg) {
    double delta = longitudeIDeg - longitudeJDeg;
    if (delta < 0) delta += 360.0;
    if (delta >= 360.0) delta -= 360.0;
    if (!(delta <= 180.0)) return Aspect::None;
    const double rounded = std::nearbyint(delta);  // halves to even
    if (rounded >= 28 && rounded <= 32) return Aspect::SemiSextile;
    if (rounded >= 147 && rounded <= 153) return Aspect::Quincunx;
    return Aspect::None;
}

AspectPairs FindAspects(const engine::NatalChart& chart) {
    AspectPairs pairs;
    for (std::size_t i = 0; i < engine::kReadingBodies; ++i) {
        for (std::size_t j = 0; j < engine::kReadingBodies; ++j) {
            if (i == j) continue;
            const engine::ChartBody& first = chart.bodies[i];
            const engine::ChartBody& second = chart.bodies[j];
            const auto pairName = [&] { return std::string{first.name} + "-" + std::string{second.name}; };
            switch (AspectBetween(first.longitudeDeg, second.longitudeDeg)) {
                case Aspect::SemiSextile: pairs.semiSextile.push_back(pairName()); break;
                case Aspect::Quincunx: pairs.quincunx.push_back(pairName()); break;
                case Aspect::None: break;
            }
        }
    }
    return pairs;
}

namespace {

// The lines of one aspect list, each with its suffix and a line break, or
// "Not Present".
std::string AspectList(const std::vector<std::string>& pairs, std::string_view suffix) {
    if (pairs.empty()) return std::string{content::kNotPresent};
    std::string lines;
    for (const std::string& pair : pairs) {
        lines += pair;
        lines += suffix;
        lines += kLineBreak;
    }
    return lines;
}

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text += part;
    return text;
}

}  // namespace

std::vector<ReportPiece> AspectSection(const AspectPairs& pairs) {
    const std::string quincunx = AspectList(pairs.quincunx, content::kQuincunxSuffix);
    const std::string semiSextile = AspectList(pairs.semiSextile, content::kSemiSextileSuffix);
    const std::string_view br = kLineBreak;
    return {
        {PieceKind::SectionHeading, Join({content::kAspectHeading, br, br})},
        {PieceKind::LeadIn, Join({content::kQuincunxLeadIn, br})},
        {PieceKind::List, Join({quincunx, br, br})},
        {PieceKind::LeadIn, std::string{content::kSignificanceLabel}},
        {PieceKind::Paragraph, Join({content::kQuincunxSignificance, br, br})},
        {PieceKind::LeadIn, Join({content::kSemiSextileLeadIn, br})},
        {PieceKind::List, Join({semiSextile, br, br})},
        {PieceKind::LeadIn, std::string{content::kSignificanceLabel}},
        {PieceKind::Paragraph, Join({content::kSemiSextileSignificance, br, br})},
    };
}

}  // namespace starwise::reading
