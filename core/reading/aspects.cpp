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

std::string PairName(const AspectPair& pair) {
    return std::string{engine::kBodyNames[pair.ahead]} + "-" + std::string{engine::kBodyNames[pair.behind]};
}

AspectPairs FindAspects(const engine::NatalChart& chart) {
    AspectPairs pairs;
    for (int i = 0; i < engine::kReadingBodies; ++i) {
        for (int j = 0; j < engine::kReadingBodies; ++j) {
            if (i == j) continue;
            const Aspect aspect = AspectBetween(chart.bodies[static_cast<std::size_t>(i)].longitudeDeg,
                                                chart.bodies[static_cast<std::size_t>(j)].longitudeDeg);
            const AspectPair pair{static_cast<engine::Body>(i), static_cast<engine::Body>(j), aspect};
            switch (aspect) {
                case Aspect::SemiSextile: pairs.semiSextile.push_back(pair); break;
                case Aspect::Quincunx: pairs.quincunx.push_back(pair); break;
                case Aspect::None: break;
            }
        }
    }
    return pairs;
}

namespace {

// One aspect list: a line per pair with its suffix, or "Not Present".
ReportBlock AspectList(const std::vector<AspectPair>& pairs, std::string_view suffix) {
    ReportBlock list{BlockKind::List, pairs.empty() ? std::string{content::kNotPresent} : std::string{}, {},
                     BlockBreak::Paragraph};
    for (const AspectPair& pair : pairs) list.items.push_back(PairName(pair) + std::string{suffix});
    return list;
}

ReportBlock Block(BlockKind kind, std::string_view text, BlockBreak after = BlockBreak::Paragraph) {
    return {kind, std::string{text}, {}, after};
}

}  // namespace

std::vector<ReportBlock> AspectSection(const AspectPairs& pairs) {
    return {
        Block(BlockKind::SectionHeading, content::kAspectHeading),
        Block(BlockKind::LeadIn, content::kQuincunxLeadIn, BlockBreak::Line),
        AspectList(pairs.quincunx, content::kQuincunxSuffix),
        Block(BlockKind::LeadIn, content::kSignificanceLabel, BlockBreak::RunsOn),
        Block(BlockKind::Paragraph, content::kQuincunxSignificance),
        Block(BlockKind::LeadIn, content::kSemiSextileLeadIn, BlockBreak::Line),
        AspectList(pairs.semiSextile, content::kSemiSextileSuffix),
        Block(BlockKind::LeadIn, content::kSignificanceLabel, BlockBreak::RunsOn),
        Block(BlockKind::Paragraph, content::kSemiSextileSignificance),
    };
}

}  // namespace starwise::reading
