// Everything a run of the program keeps from one reading to the next.
#pragma once

#include <string>

#include "engine/birth_data.h"
#include "engine/natal_chart.h"
#include "houses/placement.h"

namespace starwise::reading {

// One per run of the program. Each reading overwrites it field by field; a
// step that fails leaves what it would have written as it was (the zone
// offset and Sun sign deliberately carry over when not recomputed).
struct ReadingState {
    engine::BirthData birth;
    engine::ZoneOffset zone;
    engine::EngineWorking working;
    engine::NatalChart chart;
    std::string SunSignName;  // "Aries" .. "Pisces"; empty before the first reading
    houses::HousePlacement placement;
};

}  // namespace starwise::reading
