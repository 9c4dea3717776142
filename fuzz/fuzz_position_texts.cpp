// Arbitrary strings wherever a position text is taken apart: the short
// text, the house lookup, the node row and the void-of-course test.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>

#include "engine/position_text.h"
#include "houses/house_section.h"
#include "reading/node_reading.h"
#include "reading/recording_view.h"
#include "reading/void_of_course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    using namespace starwise;
    const std::string text = input.ConsumeRandomLengthString(40);
    try {
        (void)engine::FormatShortPosition(text);
    } catch (const std::invalid_argument&) {
    }
    try {
        const int index = houses::DegreeIndex(text);
        if (index < 1 || index > 360) __builtin_trap();
    } catch (const std::invalid_argument&) {
    }
    reading::RecordingReportView view;
    reading::FillNodeReading(text, view);

    engine::NatalChart chart;
    for (engine::ChartBody& body : chart.Bodies) body.PositionText = input.ConsumeRandomLengthString(12);
    chart.NorthNodeText = text;
    (void)reading::VoidOfCourseBodies(chart);
    try {
        reading::WriteVoidOfCourse(chart, view);
        houses::HousePlacement placement;
        houses::ReadHouses(chart, placement, view);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
