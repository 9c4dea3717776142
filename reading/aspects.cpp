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
            const engine::ChartBody& first = chart.Bodies[i];
            const engine::ChartBody& second = chart.Bodies[j];
            switch (AspectBetween(first.Longitude, second.Longitude)) {
                case Aspect::SemiSextile: pairs.semiSextile.push_back(first.BodyName + "-" + second.BodyName); break;
                case Aspect::Quincunx: pairs.quincunx.push_back(first.BodyName + "-" + second.BodyName); break;
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

void WriteAspects(const engine::NatalChart& chart, ReportView& view) {
    const AspectPairs pairs = FindAspects(chart);
    const std::string quincunx = AspectList(pairs.quincunx, content::kQuincunxSuffix);
    const std::string semiSextile = AspectList(pairs.semiSextile, content::kSemiSextileSuffix);
    const std::string_view br = kLineBreak;

    const TextStyle heading{true, TextColour::Green, 11};
    const TextStyle leadIn{true, TextColour::Red, std::nullopt};
    const TextStyle list{true, TextColour::Black, std::nullopt};
    const TextStyle plain{false, TextColour::Black, std::nullopt};

    view.WriteStyled(heading, Join({content::kAspectHeading, br, br}));
    view.WriteStyled(leadIn, Join({content::kQuincunxLeadIn, br}));
    view.WriteStyled(list, Join({quincunx, br, br}));
    view.WriteStyled(leadIn, content::kSignificanceLabel);
    view.WriteStyled(plain, Join({content::kQuincunxSignificance, br, br}));
    view.WriteStyled(leadIn, Join({content::kSemiSextileLeadIn, br}));
    view.WriteStyled(list, Join({semiSextile, br, br}));
    view.WriteStyled(leadIn, content::kSignificanceLabel);
    view.WriteStyled(plain, Join({content::kSemiSextileSignificance, br, br}));
}

}  // namespace starwise::reading
