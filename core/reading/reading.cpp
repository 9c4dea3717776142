#include "reading/reading.h"

#include <exception>
#include <stdexcept>

#include "entry/zones.h"
#include "reading/house_section.h"
#include "reading/node_reading.h"
#include "reading/void_of_course.h"

namespace starwise::reading {
namespace {

// Runs one step; an exception skips the rest of it and is recorded by the
// step's name. The step writes its part of the reading only at its end, so
// a failed step leaves that part empty.
template <typename Step>
void RunStep(std::string_view name, std::vector<std::string_view>& failed, Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        failed.push_back(name);
    }
}

// The value a step depends on; throws when an earlier step could not make it.
template <typename T>
const T& Needed(const std::optional<T>& value) {
    if (!value) throw std::logic_error("an earlier step failed");
    return *value;
}

// The offset of a row with its box, or the exact offset.
std::optional<int> UtcOffsetSecondsOf(const entry::BirthZone& zone) {
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) return entry::ZoneRowUtcOffsetSeconds(*row);
    return std::get<entry::ExactOffset>(zone).utcOffsetSeconds;
}

}  // namespace

std::vector<ReportPiece> Reading::RunningText() const {
    std::vector<ReportPiece> pieces = houseSection;
    pieces.insert(pieces.end(), aspectSection.begin(), aspectSection.end());
    pieces.insert(pieces.end(), voidOfCourseSection.begin(), voidOfCourseSection.end());
    return pieces;
}

std::string FailedStepsNotice(const Reading& reading) {
    if (reading.failedSteps.empty()) return {};
    std::string notice = "Parts of this reading could not be worked out and are left empty (";
    for (std::size_t i = 0; i < reading.failedSteps.size(); ++i) {
        if (i > 0) notice += ", ";
        notice += reading.failedSteps[i];
    }
    notice += ").";
    return notice;
}

Reading RunReading(const entry::BirthInput& birth) {
    Reading reading;
    reading.birth = birth;
    std::vector<std::string_view>& failed = reading.failedSteps;

    RunStep("zone", failed, [&] {
        reading.utcOffsetSeconds = UtcOffsetSecondsOf(birth.zone);
        if (!reading.utcOffsetSeconds) throw std::out_of_range("no time zone at that list position");
    });
    std::optional<engine::BirthMoment> moment;
    RunStep("instant", failed, [&] {
        moment = engine::BirthMoment{birth.localDate, birth.localMinutes, Needed(reading.utcOffsetSeconds),
                                     birth.longitudeDeg, birth.latitudeDeg};
        reading.instant = engine::InstantOf(*moment);
    });
    std::optional<double> ascendantDeg;
    std::optional<double> moonDeg;
    RunStep("ascendant", failed,
            [&] { ascendantDeg = engine::AscendantAt(Needed(reading.instant), Needed(moment)); });
    RunStep("moon", failed, [&] { moonDeg = engine::MoonAt(Needed(reading.instant)); });
    RunStep("chart", failed, [&] {
        reading.chart = engine::ChartAt(Needed(reading.instant), Needed(moonDeg), Needed(ascendantDeg));
    });

    RunStep("houses", failed, [&] {
        HousePlacement placement = PlaceBodies(Needed(reading.chart));
        reading.houseSection = HouseSection(placement);
        reading.houses = std::move(placement);
    });
    RunStep("sun_sign", failed, [&] {
        const auto sign = SunSignOf(static_cast<int>(unsigned{birth.localDate.month()}) - 1,
                                    static_cast<int>(unsigned{birth.localDate.day()}) - 1);
        if (!sign) return;
        reading.sunSign = *sign;
        reading.sunSignProfile = SunSignProfileOf(*sign);
    });
    RunStep("sun_cusp", failed, [&] {
        if (!reading.sunSign.empty()) {
            reading.sunCusp = SunCuspOf(Needed(reading.chart).bodies[engine::kSun].longitudeDeg, reading.sunSign);
        }
    });
    RunStep("nodes", failed, [&] { reading.nodeRow = NodeRowOf(Needed(reading.chart).northNodeDeg); });
    RunStep("aspects", failed, [&] {
        AspectPairs pairs = FindAspects(Needed(reading.chart));
        reading.aspectSection = AspectSection(pairs);
        reading.aspects = std::move(pairs);
    });
    RunStep("void_of_course", failed, [&] {
        const engine::NatalChart& chart = Needed(reading.chart);
        std::vector<int> bodies = VoidOfCourseBodies(chart);
        reading.voidOfCourseSection = VoidOfCourseSection(chart, bodies);
        reading.voidOfCourseBodies = std::move(bodies);
    });
    return reading;
}

}  // namespace starwise::reading
