#include "reading/house_placement.h"

#include "content/house_texts.h"
#include "engine/position_text.h"

namespace starwise::reading {

int DegreeIndexOf(double longitudeDeg) { return engine::WholeDegreesOf(longitudeDeg) + 1; }

double FirstHouseCuspDeg(double ascendantDeg) { return DegreeIndexOf(ascendantDeg) - 1; }

int HouseOf(int degreeIndex, int ascendantDegreeIndex) {
    const int offset = ((degreeIndex - ascendantDegreeIndex) % 360 + 360) % 360;
    return 1 + offset / 30;
}

HousePlacement PlaceBodies(const engine::NatalChart& chart) {
    HousePlacement placement;
    const int ascendant = DegreeIndexOf(chart.bodies[engine::kAscendant].longitudeDeg);
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const auto b = static_cast<std::size_t>(body);
        const int house = HouseOf(DegreeIndexOf(chart.bodies[b].longitudeDeg), ascendant);
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
    return placement;
}

}  // namespace starwise::reading
