#include "gui/reading_wheel.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace starwise::gui {
namespace {

// Body number 0..9 of a name among Sun .. Pluto.
int BodyNumberOf(std::string_view name, std::string_view pair) {
    const auto first = engine::kBodyNames.begin();
    const auto last = first + engine::kReadingBodies;
    const auto found = std::find(first, last, name);
    if (found == last) throw std::invalid_argument("aspect pair \"" + std::string{pair} + "\" names no body");
    return static_cast<int>(found - first);
}

void AddPairs(const std::vector<std::string>& pairs, WheelAspect::Kind kind, std::vector<WheelAspect>& out) {
    for (const std::string& pair : pairs) {
        const auto dash = pair.find('-');
        if (dash == std::string::npos) throw std::invalid_argument("aspect pair \"" + pair + "\" has no dash");
        const std::string_view text = pair;
        out.push_back({BodyNumberOf(text.substr(0, dash), text), BodyNumberOf(text.substr(dash + 1), text), kind});
    }
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
