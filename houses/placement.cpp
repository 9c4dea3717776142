#include "houses/placement.h"

#include <stdexcept>

#include "content/house_texts.h"
#include "engine/position_text.h"

namespace starwise::houses {

int DegreeIndex(std::string_view positionText) {
    if (positionText.size() < 6 || positionText[2] != ' ') {
        throw std::invalid_argument("not a short position text");
    }
    const char tens = positionText[0];
    const char units = positionText[1];
    if (tens < '0' || tens > '2' || units < '0' || units > '9') {
        throw std::invalid_argument("degrees of a short position text must be 00..29");
    }
    const int wholeDegrees = (tens - '0') * 10 + (units - '0');
    const std::size_t signAt = engine::kSignAbbreviations.find(positionText.substr(3, 3));
    if (signAt == std::string_view::npos || signAt % 3 != 0) {
        throw std::invalid_argument("unknown sign in a short position text");
    }
    return 30 * static_cast<int>(signAt / 3) + wholeDegrees + 1;
}

int HouseOf(int degreeIndex, int ascendantDegreeIndex) {
    const int offset = ((degreeIndex - ascendantDegreeIndex) % 360 + 360) % 360;
    return 1 + offset / 30;
}

std::array<HouseCusp, 12> HouseCusps(int ascendantDegreeIndex) {
    std::array<HouseCusp, 12> cusps{};
    int start = ascendantDegreeIndex;
    for (HouseCusp& cusp : cusps) {
        int end = start + 29;
        if (end > 360) end -= 360;
        cusp = {start, end};
        start = end + 1;
        if (start > 360) start = 1;
    }
    return cusps;
}

void PlaceBodies(const engine::NatalChart& chart, HousePlacement& placement) {
    placement.houseOccupied.fill(false);
    placement.inFourth.fill(false);
    placement.inEighth.fill(false);
    placement.inTwelfth.fill(false);
    placement.houseOfBody.fill(0);

    const int ascendant = DegreeIndex(chart.PositionText(engine::kAscendant));
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const auto b = static_cast<std::size_t>(body);
        const int house = HouseOf(DegreeIndex(chart.PositionText(body)), ascendant);
        placement.houseOfBody[b] = house;
        const content::BodyInHouseRow& texts = content::kBodyInHouse[b];
        switch (house) {
            case 4:
                placement.inFourth[b] = true;
                placement.houseName[b] = content::kHouses[0].name;
                placement.houseText[b] = texts.inFourth;
                break;
            case 8:
                placement.inEighth[b] = true;
                placement.houseName[b] = content::kHouses[1].name;
                placement.houseText[b] = texts.inEighth;
                break;
            case 12:
                placement.inTwelfth[b] = true;
                placement.houseName[b] = content::kHouses[2].name;
                placement.houseText[b] = texts.inTwelfth;
                break;
            default:
                continue;
        }
        placement.houseOccupied[static_cast<std::size_t>(house - 1)] = true;
    }
}

}  // namespace starwise::houses
