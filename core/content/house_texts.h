// The three houses the reading reports on (fourth, eighth, twelfth) and the
// thirty paragraphs for a body standing in one of them.
#pragma once

#include <array>
#include <string_view>

namespace starwise::content {

struct HouseRow {
    int house;                     // 4, 8 or 12
    std::string_view name;         // "Fourth House", ..., "Twelfth  House"
    std::string_view heading;      // "More About Fourth House"
    std::string_view description;
    std::string_view keyword;      // "Instinct", "Perception", "Intuition"
};

extern const std::array<HouseRow, 3> kHouses;

// Paragraph for body b (0 Sun .. 9 Pluto) in the fourth, eighth, twelfth house.
struct BodyInHouseRow {
    std::string_view body;
    std::string_view inFourth;
    std::string_view inEighth;
    std::string_view inTwelfth;
};

extern const std::array<BodyInHouseRow, 10> kBodyInHouse;

}  // namespace starwise::content
