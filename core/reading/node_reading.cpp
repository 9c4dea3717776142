#include "reading/node_reading.h"

#include <cmath>

#include "engine/position_text.h"

namespace starwise::reading {

Result<const content::NodeRow*> NodeRowOf(double northNodeDeg) {
    using Found = Result<const content::NodeRow*>;
    // The position texts' domain: |degrees| below one turn.
    if (!(std::abs(northNodeDeg) < 360.0)) {
        return Found::Failed(Status::OutOfRange, "the north node's longitude has no position text");
    }
    const std::string_view abbreviation = engine::SignAbbreviation(engine::WholeDegreesOf(northNodeDeg) / 30);
    for (const content::NodeRow& row : content::kNodeRows) {
        if (row.test == abbreviation) return Found::Of(&row);
    }
    return Found::Of(nullptr);
}

std::string NorthDescriptionOf(const content::NodeRow& row) {
    return std::string{row.northDescription} + std::string{row.northDescriptionSecond};
}

std::string SouthDescriptionOf(const content::NodeRow& row) {
    return std::string{row.southDescription} + std::string{row.southDescriptionSecond};
}

}  // namespace starwise::reading
