// The steps of a reading, and what is kept of one that failed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "result/result.h"

namespace starwise::reading {

// In the order RunReading takes them.
enum class Step {
    Zone, Instant, Ascendant, Moon, Chart, Houses, SunSign, SunCusp, Nodes, Aspects, VoidOfCourse,
};

struct StepRow {
    Step step;
    std::string_view name;  // as the JSON's "failed_steps" and the notices name it
};

inline constexpr std::array<StepRow, 11> kSteps{{
    {Step::Zone, "zone"},
    {Step::Instant, "instant"},
    {Step::Ascendant, "ascendant"},
    {Step::Moon, "moon"},
    {Step::Chart, "chart"},
    {Step::Houses, "houses"},
    {Step::SunSign, "sun_sign"},
    {Step::SunCusp, "sun_cusp"},
    {Step::Nodes, "nodes"},
    {Step::Aspects, "aspects"},
    {Step::VoidOfCourse, "void_of_course"},
}};
static_assert(kSteps.size() == static_cast<std::size_t>(Step::VoidOfCourse) + 1, "one row per step, in order");

constexpr std::string_view StepName(Step step) { return kSteps[static_cast<std::size_t>(step)].name; }

// A step that failed: which, why (Missing when a part it needs failed
// first), and the words of the failure.
struct StepFailure {
    Step step;
    Status reason;
    std::string detail;
};

}  // namespace starwise::reading
