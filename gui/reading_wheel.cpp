#include "gui/reading_wheel.h"

#include <string>

namespace starwise::gui {
namespace {

void AddPairs(const std::vector<reading::AspectPair>& pairs, WheelAspect::Kind kind, std::vector<WheelAspect>& out) {
    for (const reading::AspectPair& pair : pairs) out.push_back({pair.ahead, pair.behind, kind});
}

}  // namespace

std::optional<WheelChart> WheelChartOf(const reading::Reading& reading) {
    if (!reading.chart) return std::nullopt;
    const engine::NatalChart& chart = *reading.chart;
    WheelChart wheel;
    wheel.ascendantDeg = chart.bodies[engine::kAscendant].longitudeDeg;
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const engine::ChartBody& b = chart.bodies[static_cast<std::size_t>(body)];
        wheel.points.push_back({body, std::string{kBodyGlyphs[static_cast<std::size_t>(body)]}, b.positionText,
                                b.longitudeDeg});
    }
    wheel.points.push_back({kNorthNodePointId, std::string{kBodyGlyphs[kNorthNodePointId]}, chart.northNodeText,
                            chart.northNodeDeg});
    wheel.points.push_back({kSouthNodePointId, std::string{kBodyGlyphs[kSouthNodePointId]}, chart.southNodeText,
                            chart.southNodeDeg});
    if (reading.aspects) {
        AddPairs(reading.aspects->quincunx, WheelAspect::Quincunx, wheel.aspects);
        AddPairs(reading.aspects->semiSextile, WheelAspect::SemiSextile, wheel.aspects);
    }
    return wheel;
}

}  // namespace starwise::gui
