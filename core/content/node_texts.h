// Lunar-node readings ("Karma Profile"): twelve rows keyed by the three-letter
// abbreviation of the north node's sign, in the order they are tested.
// Each row carries the north half and the south half (the opposite sign).
// In the "Leo" row each description is two stored paragraphs that the report
// joins with nothing between them; the *Second fields are empty elsewhere.
#pragma once

#include <array>
#include <string_view>

namespace starwise::content {

struct NodeRow {
    std::string_view test;                    // "Lib", "Vir", ...
    std::string_view northSign;               // caption of lblNorthSign
    std::string_view northKeywords;           // caption of lblNorthKeyWord
    std::string_view northDescription;        // text of txtNorthDesc
    std::string_view northDescriptionSecond;  // Leo row only
    std::string_view southSign;               // caption of lblSouthSign
    std::string_view southKeywords;           // caption of lblSouthKeyWord
    std::string_view southDescription;        // text of txtSouthDesc
    std::string_view southDescriptionSecond;  // Leo row only
};

extern const std::array<NodeRow, 12> kNodeRows;

}  // namespace starwise::content
