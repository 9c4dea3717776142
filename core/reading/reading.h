// One whole reading as a plain value: what the report window, the document,
// the command line and the tests all render or read. The core's one entry
// point is RunReading.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/node_texts.h"
#include "content/sun_signs.h"
#include "engine/instant.h"
#include "engine/natal_chart.h"
#include "entry/birth_input.h"
#include "reading/aspects.h"
#include "reading/house_placement.h"
#include "reading/report_block.h"
#include "reading/steps.h"
#include "reading/sun_sign.h"

namespace starwise::reading {

struct Reading {
    // The birth the reading was made for, and the UTC offset its zone gives
    // (seconds, east positive; nothing when the zone is no row of the list).
    entry::BirthInput birth;
    std::optional<int> utcOffsetSeconds;

    std::optional<engine::Instant> instant;
    std::optional<engine::NatalChart> chart;

    // Sun sign by calendar date, 0 (Aries) .. 11 (Pisces); none when the
    // date names none.
    std::optional<int> sunSign;
    const content::SunSignProfileRow* sunSignProfile = nullptr;  // static table row, or none
    std::optional<SunCusp> sunCusp;  // the Sun at birth stands in a neighbour of the date's sign

    const content::NodeRow* nodeRow = nullptr;  // static table row of the north node's sign, or none

    std::optional<HousePlacement> houses;
    std::vector<ReportBlock> houseSection;

    std::optional<AspectPairs> aspects;
    std::vector<ReportBlock> aspectSection;

    std::vector<int> voidOfCourseBodies;  // body numbers 0..9
    std::vector<ReportBlock> voidOfCourseSection;

    // Steps that failed, in order; each left its own part empty.
    std::vector<StepFailure> failures;
    bool Failed(Step step) const;

    // The running text of the report: houses, aspects, void of course.
    std::vector<ReportBlock> RunningText() const;
};

// What a reader is told when steps failed: "Parts of this reading could not
// be worked out and are left empty (zone, instant, ...)."; empty when none
// failed. Every renderer tells it in these words.
std::string FailedStepsNotice(const Reading& reading);

// Takes the zone's UTC offset (a row with its box, or the exact offset),
// computes the instant once, the chart, then the houses and their section, the Sun sign
// and its profile, the node row, the aspects and the void-of-course bodies.
// Each step runs on its own: a failure inside one is recorded as a
// StepFailure, its part stays empty, and the steps that do not need it
// still run. Expects a birth built by one of the two adapters
// (entry/form_input.h, entry/birth_flags.h).
Reading RunReading(const entry::BirthInput& birth);

}  // namespace starwise::reading
