#include "reading/driver.h"

#include <exception>

#include "engine/natal_chart.h"
#include "entry/capture.h"
#include "entry/zones.h"
#include "houses/house_section.h"
#include "reading/aspects.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"
#include "reading/void_of_course.h"

namespace starwise::reading {
namespace {

// Runs one step; an exception skips it and is recorded by the step's name.
template <typename Step>
void RunStep(std::string_view name, std::vector<std::string_view>& failed, Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        failed.push_back(name);
    }
}

void RunCaptureAndEngine(const entry::EntryFormValues& form, ReadingState& state,
                         std::vector<std::string_view>& failed) {
    RunStep("ZoneCalculation", failed, [&] { entry::ZoneCalculation(form.zonePosition, state.zone); });
    RunStep("CaptureBirthData", failed, [&] { entry::CaptureBirthData(form, state.zone, state.birth); });
    RunStep("CalculateAscendant", failed,
            [&] { engine::CalculateAscendant(state.birth, state.zone, state.working); });
    RunStep("CalculateMoon", failed, [&] { engine::CalculateMoon(state.birth, state.zone, state.working); });
    RunStep("CalculatePlanets", failed,
            [&] { engine::CalculatePlanets(state.birth, state.zone, state.working, state.chart); });
}

}  // namespace

std::vector<std::string_view> RunChart(const entry::EntryFormValues& form, ReadingState& state) {
    std::vector<std::string_view> failed;
    RunCaptureAndEngine(form, state, failed);
    return failed;
}

std::vector<std::string_view> RunReading(const entry::EntryFormValues& form, ReadingState& state,
                                         ReportView& view) {
    std::vector<std::string_view> failed;
    RunCaptureAndEngine(form, state, failed);
    RunStep("ReadHouses", failed, [&] { houses::ReadHouses(state.chart, state.placement, view); });
    RunStep("ChooseSunSign", failed,
            [&] { ChooseSunSign(form.monthPosition, form.dayPosition, state.SunSignName); });
    RunStep("FillSunSignProfile", failed, [&] { FillSunSignProfile(state.SunSignName, view); });
    RunStep("FillNodeReading", failed,
            [&] { FillNodeReading(state.chart.PositionText(engine::kNorthNodeText), view); });
    RunStep("WriteAspects", failed, [&] { WriteAspects(state.chart, view); });
    RunStep("WriteVoidOfCourse", failed, [&] { WriteVoidOfCourse(state.chart, view); });
    return failed;
}

}  // namespace starwise::reading
