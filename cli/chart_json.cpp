#include "cli/chart_json.h"

#include <cstdio>

#include "engine/time_scales.h"
#include "reading/aspects.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"
#include "reading/void_of_course.h"

namespace starwise::cli {
namespace {

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string_view ColourName(reading::TextColour colour) {
    switch (colour) {
        case reading::TextColour::Green: return "green";
        case reading::TextColour::Red: return "red";
        case reading::TextColour::Blue: return "blue";
        case reading::TextColour::Black: break;
    }
    return "black";
}

nlohmann::json PieceJson(const reading::ReportPiece& piece) {
    using Kind = reading::ReportPiece::Kind;
    nlohmann::json json{{"control", piece.control}};
    switch (piece.kind) {
        case Kind::Caption: json["caption"] = piece.text; break;
        case Kind::Text: json["text"] = piece.text; break;
        case Kind::Picture: json["picture"] = piece.pictureNumber; break;
        case Kind::Styled: {
            const reading::Rgb rgb = reading::RgbOf(piece.style.colour);
            json["bold"] = piece.style.bold;
            json["colour"] = ColourName(piece.style.colour);
            json["rgb"] = {rgb.red, rgb.green, rgb.blue};
            if (piece.style.pointSize) json["point_size"] = *piece.style.pointSize;
            json["text"] = piece.text;
            break;
        }
    }
    return json;
}

}  // namespace

nlohmann::json ChartJson(const reading::ReadingState& state) {
    const engine::BirthData& birth = state.birth;
    const engine::UniversalDateTime ut = engine::UniversalDateTimeOf(birth, state.zone);
    nlohmann::json json;
    json["ut_hours"] = engine::UniversalTimeHours(birth, state.zone);
    json["ut_date"] = std::to_string(ut.year) + "-" + TwoDigits(ut.month) + "-" + TwoDigits(ut.day);
    json["ut_time"] = TwoDigits(ut.hour) + ":" + TwoDigits(ut.minute);
    json["jdn"] = static_cast<long long>(engine::JulianDayNumber(birth.Month, birth.Day, birth.Year));
    json["d"] = engine::DayNumberJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
    nlohmann::json bodies = nlohmann::json::array();
    for (const engine::ChartBody& body : state.chart.Bodies) {
        bodies.push_back({{"name", body.BodyName}, {"longitude", body.Longitude}, {"position", body.PositionText}});
    }
    json["bodies"] = std::move(bodies);
    json["north_node"] = state.chart.NorthNodeText;
    json["south_node"] = state.chart.SouthNodeText;
    return json;
}

nlohmann::json ReadingJson(const reading::ReadingState& state, const reading::RecordingReportView& report) {
    nlohmann::json json = ChartJson(state);
    json["sun_sign"] = state.SunSignName;
    if (const auto cusp = reading::SunCuspOf(state.chart.Bodies[engine::kSun].Longitude, state.SunSignName)) {
        json["sun_cusp"] = {{"sun_position", cusp->sunPosition},
                            {"signs", {std::string(cusp->earlierSign), std::string(cusp->laterSign)}}};
    } else {
        json["sun_cusp"] = nullptr;
    }
    if (const content::NodeRow* row = reading::NodeRowFor(state.chart.NorthNodeText)) {
        json["node_row"] = {{"north_sign", row->northSign},
                            {"north_keywords", row->northKeywords},
                            {"south_sign", row->southSign},
                            {"south_keywords", row->southKeywords}};
    } else {
        json["node_row"] = nullptr;
    }
    json["houses"] = state.placement.houseOfBody;
    const reading::AspectPairs aspects = reading::FindAspects(state.chart);
    json["aspects"] = {{"quincunx", aspects.quincunx}, {"semi_sextile", aspects.semiSextile}};
    nlohmann::json voidOfCourse = nlohmann::json::array();
    for (const int body : reading::VoidOfCourseBodies(state.chart)) {
        voidOfCourse.push_back(state.chart.Bodies[static_cast<std::size_t>(body)].BodyName);
    }
    json["void_of_course"] = std::move(voidOfCourse);
    nlohmann::json pieces = nlohmann::json::array();
    for (const reading::ReportPiece& piece : report.Pieces()) pieces.push_back(PieceJson(piece));
    json["report"] = std::move(pieces);
    return json;
}

}  // namespace starwise::cli
