// Arbitrary strings into the short-text parser, and arbitrary longitudes
// wherever a position is shown or read: the texts, the degree index, the
// node row, the void-of-course test and the house section.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>

#include "engine/position_text.h"
#include "reading/house_placement.h"
#include "reading/house_section.h"
#include "reading/node_reading.h"
#include "reading/void_of_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    using namespace starwise;
    const std::string text = input.ConsumeRandomLengthString(40);
    try {
        (void)engine::FormatShortPosition(text);
    } catch (const std::invalid_argument&) {
    }
    engine::NatalChart chart;
    try {
        for (engine::ChartBody& body : chart.bodies) {
            body.longitudeDeg = input.ConsumeFloatingPoint<double>();
            body.positionText = engine::ShortPositionOf(body.longitudeDeg);
            const int index = reading::DegreeIndexOf(body.longitudeDeg);
            if (index < 1 || index > 360) __builtin_trap();
        }
        chart.northNodeDeg = input.ConsumeFloatingPoint<double>();
        (void)reading::NodeRowOf(chart.northNodeDeg);
        (void)reading::VoidOfCourseSection(chart, reading::VoidOfCourseBodies(chart));
        (void)reading::HouseSection(reading::PlaceBodies(chart));
    } catch (const std::domain_error&) {
    }
    return 0;
}
