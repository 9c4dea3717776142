#include "reading/node_reading.h"

#include "engine/position_text.h"

namespace starwise::reading {

const content::NodeRow* NodeRowOf(double northNodeDeg) {
    const std::string_view abbreviation = engine::SignAbbreviation(engine::WholeDegreesOf(northNodeDeg) / 30);
    for (const content::NodeRow& row : content::kNodeRows) {
        if (row.test == abbreviation) return &row;
    }
    return nullptr;
}

std::string NorthDescriptionOf(const content::NodeRow& row) {
    return std::string{row.northDescription} + std::string{row.northDescriptionSecond};
}

std::string SouthDescriptionOf(const content::NodeRow& row) {
    return std::string{row.southDescription} + std::string{row.southDescriptionSecond};
}

}  // namespace starwise::reading
