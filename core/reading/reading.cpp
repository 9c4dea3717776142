#include "reading/reading.h"

#include <exception>
#include <stdexcept>

#include "entry/zones.h"
#include "reading/house_section.h"
#include "reading/node_reading.h"
#include "reading/void_of_course.h"

namespace starwise::reading {
namespace {

// Thrown by Needed: a part the step needs is missing.
struct MissingPart : std::logic_error {
    MissingPart() : std::logic_error("a part it needs could not be worked out") {}
};

// Thrown by ValueOf: a result that failed, with its status.
struct FailedResult : std::runtime_error {
    FailedResult(Status s, const std::string& detail) : std::runtime_error(detail), status(s) {}
    Status status;
};

// The value of a result that is Ok; ends the step with the result's status
// otherwise.
template <typename T>
T ValueOf(Result<T> result) {
    if (!result.Ok()) throw FailedResult(result.status, result.detail);
    return std::move(result.value);
}

// Runs one step; a failure skips the rest of it and is recorded with its
// result's status. The step functions report their failures in their
// results; anything thrown besides is a fault of the program (Internal).
// The step writes its part of the reading only at its end, so a failed
// step leaves that part empty.
template <typename Work>
void RunStep(Step step, std::vector<StepFailure>& failures, Work&& work) {
    try {
        work();
    } catch (const MissingPart& missing) {
        failures.push_back({step, Status::Missing, missing.what()});
    } catch (const FailedResult& failed) {
        failures.push_back({step, failed.status, failed.what()});
    } catch (const std::exception& e) {
        failures.push_back({step, Status::Internal, e.what()});
    }
}

// The value a step depends on; throws MissingPart when an earlier step
// could not make it.
template <typename T>
const T& Needed(const std::optional<T>& value) {
    if (!value) throw MissingPart();
    return *value;
}

// The offset of a row with its box, or the exact offset.
std::optional<int> UtcOffsetSecondsOf(const entry::BirthZone& zone) {
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) return entry::ZoneRowUtcOffsetSeconds(*row);
    return std::get<entry::ExactOffset>(zone).utcOffsetSeconds;
}

}  // namespace

bool Reading::Failed(Step step) const {
    for (const StepFailure& failure : failures) {
        if (failure.step == step) return true;
    }
    return false;
}

std::vector<ReportBlock> Reading::RunningText() const {
    std::vector<ReportBlock> pieces = houseSection;
    pieces.insert(pieces.end(), aspectSection.begin(), aspectSection.end());
    pieces.insert(pieces.end(), voidOfCourseSection.begin(), voidOfCourseSection.end());
    return pieces;
}

std::string FailedStepsNotice(const Reading& reading) {
    if (reading.failures.empty()) return {};
    std::string notice = "Parts of this reading could not be worked out and are left empty (";
    for (std::size_t i = 0; i < reading.failures.size(); ++i) {
        if (i > 0) notice += ", ";
        notice += StepName(reading.failures[i].step);
    }
    notice += ").";
    return notice;
}

Reading RunReading(const entry::BirthInput& birth) {
    Reading reading;
    reading.birth = birth;
    std::vector<StepFailure>& failed = reading.failures;

    RunStep(Step::Zone, failed, [&] {
        reading.utcOffsetSeconds = UtcOffsetSecondsOf(birth.zone);
        if (!reading.utcOffsetSeconds) throw FailedResult(Status::OutOfRange, "no time zone at that list position");
    });
    std::optional<engine::BirthMoment> moment;
    RunStep(Step::Instant, failed, [&] {
        moment = engine::BirthMoment{birth.localDate, birth.localMinutes, Needed(reading.utcOffsetSeconds),
                                     birth.longitudeDeg, birth.latitudeDeg};
        reading.instant = ValueOf(engine::InstantOf(*moment));
    });
    std::optional<double> ascendantDeg;
    std::optional<double> moonDeg;
    RunStep(Step::Ascendant, failed,
            [&] { ascendantDeg = ValueOf(engine::AscendantAt(Needed(reading.instant), Needed(moment))); });
    RunStep(Step::Moon, failed, [&] { moonDeg = ValueOf(engine::MoonAt(Needed(reading.instant))); });
    RunStep(Step::Chart, failed, [&] {
        reading.chart = ValueOf(engine::ChartAt(Needed(reading.instant), Needed(moonDeg), Needed(ascendantDeg)));
    });

    RunStep(Step::Houses, failed, [&] {
        HousePlacement placement = PlaceBodies(Needed(reading.chart));
        reading.houseSection = HouseSection(placement);
        reading.houses = std::move(placement);
    });
    RunStep(Step::SunSign, failed, [&] {
        const auto sign = SunSignOf(static_cast<int>(unsigned{birth.localDate.month()}) - 1,
                                    static_cast<int>(unsigned{birth.localDate.day()}) - 1);
        if (!sign) return;
        reading.sunSign = sign;
        reading.sunSignProfile = SunSignProfileOf(*sign);
    });
    RunStep(Step::SunCusp, failed, [&] {
        if (reading.sunSign) {
            reading.sunCusp = ValueOf(SunCuspOf(Needed(reading.chart).bodies[engine::kSun].longitudeDeg, *reading.sunSign));
        }
    });
    RunStep(Step::Nodes, failed, [&] { reading.nodeRow = ValueOf(NodeRowOf(Needed(reading.chart).northNodeDeg)); });
    RunStep(Step::Aspects, failed, [&] {
        AspectPairs pairs = FindAspects(Needed(reading.chart));
        reading.aspectSection = AspectSection(pairs);
        reading.aspects = std::move(pairs);
    });
    RunStep(Step::VoidOfCourse, failed, [&] {
        const engine::NatalChart& chart = Needed(reading.chart);
        std::vector<int> bodies = VoidOfCourseBodies(chart);
        reading.voidOfCourseSection = VoidOfCourseSection(chart, bodies);
        reading.voidOfCourseBodies = std::move(bodies);
    });
    return reading;
}

}  // namespace starwise::reading
