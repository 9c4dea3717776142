#include "cli/reading_json.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "atlas/zone_match.h"
#include "reading/report_fields.h"
#include "reading/sun_sign.h"

namespace starwise::cli {
namespace {

// With RAPIDJSON_SSE2, Writer<StringBuffer> scans strings 16 bytes at a
// time; RapidJSON 1.1.0's scan (Debian 12's) takes the control bytes
// 0x1A-0x1F for plain text and writes them raw, which no strict parser
// accepts. Its byte-at-a-time scan escapes every control byte; it is what
// any other Writer type uses, such as this one with another stack allocator.
using Writer = rapidjson::Writer<rapidjson::StringBuffer>;
using ByteScanWriter = rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>,
                                         rapidjson::MemoryPoolAllocator<>>;

void Key(Writer& w, std::string_view key) { w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }

// A string value: by the fast scan, or, when the text holds a byte that
// scan misses, escaped by the byte-at-a-time writer and put in as it wrote it.
void String(Writer& w, std::string_view text) {
    const auto missedByVectorScan = [](char c) { return c >= '\x1a' && c <= '\x1f'; };
    if (std::none_of(text.begin(), text.end(), missedByVectorScan)) {
        w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
        return;
    }
    rapidjson::StringBuffer escaped;
    ByteScanWriter byteScan(escaped);
    byteScan.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    w.RawValue(escaped.GetString(), escaped.GetSize(), rapidjson::kStringType);
}

void Field(Writer& w, std::string_view key, std::string_view text) {
    Key(w, key);
    String(w, text);
}

void ChartFields(Writer& w, const reading::Reading& reading) {
    const auto& instant = reading.instant;
    if (instant) {
        char date[16];
        char time[8];
        std::snprintf(date, sizeof date, "%d-%02d-%02d", instant->ut.year, instant->ut.month, instant->ut.day);
        std::snprintf(time, sizeof time, "%02d:%02d", instant->ut.hour, instant->ut.minute);
        Key(w, "ut_hours");
        w.Double(instant->utHoursOnLocalDate);
        Field(w, "ut_date", date);
        Field(w, "ut_time", time);
        Key(w, "jdn");
        w.Int64(static_cast<std::int64_t>(instant->julianDayNumber));
        Key(w, "d");
        w.Double(instant->daysSinceJ2000);
    } else {
        for (const char* key : {"ut_hours", "ut_date", "ut_time", "jdn", "d"}) {
            Key(w, key);
            w.Null();
        }
    }
    Key(w, "utc_offset_seconds");
    reading.utcOffsetSeconds ? void(w.Int(*reading.utcOffsetSeconds)) : void(w.Null());
    Field(w, "utc_offset_source", atlas::ZoneSourceName(reading.birth.zone));
    Key(w, "bodies");
    w.StartArray();
    if (reading.chart) {
        for (const engine::ChartBody& body : reading.chart->bodies) {
            w.StartObject();
            Field(w, "name", body.name);
            Key(w, "longitude");
            w.Double(body.longitudeDeg);
            Field(w, "position", body.positionText);
            w.EndObject();
        }
    }
    w.EndArray();
    Key(w, "north_node");
    reading.chart ? String(w, reading.chart->northNodeText) : void(w.Null());
    Key(w, "south_node");
    reading.chart ? String(w, reading.chart->southNodeText) : void(w.Null());
}

// Pairs by name, "Moon-Sun".
void PairArray(Writer& w, const std::vector<reading::AspectPair>& pairs) {
    w.StartArray();
    for (const reading::AspectPair& pair : pairs) String(w, reading::PairName(pair));
    w.EndArray();
}

void Caption(Writer& w, std::string_view control, std::string_view caption) {
    w.StartObject();
    Field(w, "caption", caption);
    Field(w, "control", control);
    w.EndObject();
}

void Text(Writer& w, std::string_view control, std::string_view text) {
    w.StartObject();
    Field(w, "control", control);
    Field(w, "text", text);
    w.EndObject();
}

// One styled write into the window's running-text box, with the look of
// its kind.
void Styled(Writer& w, reading::BlockKind kind, std::string_view text) {
    const reading::BlockLook& look = reading::LookOf(kind);
    w.StartObject();
    Key(w, "bold");
    w.Bool(look.bold);
    Field(w, "colour", look.colourName);
    Field(w, "control", reading::kRunningTextControl);
    if (look.pointSize) {
        Key(w, "point_size");
        w.Int(*look.pointSize);
    }
    Key(w, "rgb");
    w.StartArray();
    for (const int component : look.rgb) w.Int(component);
    w.EndArray();
    Field(w, "text", text);
    w.EndObject();
}

// The JSON gives the running text as the box is written: each block's text
// with CR LF line breaks.
constexpr std::string_view kBoxLineBreak = "\r\n";

void Styled(Writer& w, const std::vector<reading::ReportBlock>& blocks) {
    for (const reading::ReportBlock& block : blocks) {
        std::string text;
        reading::AppendPlainText(block, kBoxLineBreak, text);
        Styled(w, block.kind, text);
    }
}

// The void-of-course section is written as its heading, then everything
// under it as one write in the lead-in's look, ending in one more break.
void StyledVoidOfCourse(Writer& w, const std::vector<reading::ReportBlock>& blocks) {
    if (blocks.empty()) return;
    Styled(w, {blocks.front()});
    std::string text;
    for (std::size_t i = 1; i < blocks.size(); ++i) reading::AppendPlainText(blocks[i], kBoxLineBreak, text);
    text += kBoxLineBreak;
    Styled(w, reading::BlockKind::LeadIn, text);
}

void FieldPiece(Writer& w, const reading::ReportField& field, const reading::Reading& reading) {
    const std::string value = field.read(reading);
    switch (field.kind) {
        case reading::FieldKind::Sign:
        case reading::FieldKind::Value: Caption(w, field.control, value); break;
        case reading::FieldKind::Paragraph: Text(w, field.control, value); break;
        case reading::FieldKind::Picture:
            w.StartObject();
            Field(w, "control", field.control);
            Key(w, "picture");
            w.Int(std::stoi(value));
            w.EndObject();
            break;
    }
}

// Every piece of the report in the order the window is filled, each named
// by the report window's control it fills; a part the reading does not
// hold is left out.
void ReportPieces(Writer& w, const reading::Reading& reading) {
    w.StartArray();
    Styled(w, reading.houseSection);
    for (int order = 0; order < reading::kFieldCount; ++order) {
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.fillOrder == order && field.present(reading)) FieldPiece(w, field, reading);
        }
    }
    Styled(w, reading.aspectSection);
    StyledVoidOfCourse(w, reading.voidOfCourseSection);
    w.EndArray();
}

void ReadingFields(Writer& w, const reading::Reading& reading) {
    Field(w, "sun_sign", reading.sunSign ? reading::SignName(*reading.sunSign) : std::string_view{});
    Key(w, "sun_cusp");
    if (reading.sunCusp) {
        w.StartObject();
        Field(w, "sun_position", reading.sunCusp->sunPosition);
        Key(w, "signs");
        w.StartArray();
        String(w, reading::SignName(reading.sunCusp->earlierSign));
        String(w, reading::SignName(reading.sunCusp->laterSign));
        w.EndArray();
        w.EndObject();
    } else {
        w.Null();
    }
    Key(w, "node_row");
    if (const content::NodeRow* row = reading.nodeRow) {
        w.StartObject();
        Field(w, "north_keywords", row->northKeywords);
        Field(w, "north_sign", row->northSign);
        Field(w, "south_keywords", row->southKeywords);
        Field(w, "south_sign", row->southSign);
        w.EndObject();
    } else {
        w.Null();
    }
    Key(w, "houses");
    if (reading.houses) {
        w.StartArray();
        for (const int house : reading.houses->houseOfBody) w.Int(house);
        w.EndArray();
    } else {
        w.Null();
    }
    Key(w, "aspects");
    if (reading.aspects) {
        w.StartObject();
        Key(w, "quincunx");
        PairArray(w, reading.aspects->quincunx);
        Key(w, "semi_sextile");
        PairArray(w, reading.aspects->semiSextile);
        w.EndObject();
    } else {
        w.Null();
    }
    Key(w, "void_of_course");
    w.StartArray();
    if (reading.chart) {
        for (const int body : reading.voidOfCourseBodies) String(w, engine::kBodyNames[static_cast<std::size_t>(body)]);
    }
    w.EndArray();
    Key(w, "report");
    ReportPieces(w, reading);
    Key(w, "failed_steps");
    w.StartArray();
    for (const reading::StepFailure& failure : reading.failures) String(w, reading::StepName(failure.step));
    w.EndArray();
}

void PlaceObject(Writer& w, const atlas::Place& place) {
    w.StartObject();
    Field(w, "name", place.name);
    Field(w, "state", place.state);
    Field(w, "country", place.country);
    Key(w, "latitude");
    w.Double(place.latitudeDeg);
    Key(w, "longitude");
    w.Double(place.longitudeDeg);
    Field(w, "timezone", place.timeZone);
    Key(w, "population");
    w.Uint(place.population);
    w.EndObject();
}

void PlaceFields(Writer& w, const reading::Reading& reading, const atlas::PlaceZoneCheck* check) {
    Key(w, "place");
    if (check == nullptr) {
        w.Null();
        Key(w, "zone_check");
        w.Null();
        return;
    }
    PlaceObject(w, check->place);
    const atlas::ZoneMoment& moment = check->moment;
    Key(w, "zone_check");
    w.StartObject();
    Field(w, "tz_name", moment.tzName);
    Key(w, "utc_offset_minutes");
    w.Int(moment.utcOffsetMinutes);
    Key(w, "daylight_saving");
    w.Bool(moment.daylightAheadOfStandard);
    Key(w, "ambiguous");
    w.Bool(moment.kind == atlas::LocalTimeKind::Repeated);
    Key(w, "nonexistent");
    w.Bool(moment.kind == atlas::LocalTimeKind::Skipped);
    Key(w, "zone");
    const auto* row = std::get_if<entry::ZoneRowChoice>(&reading.birth.zone);
    row != nullptr ? void(w.Int(row->zonePosition)) : void(w.Null());
    Key(w, "agrees");
    w.Bool(check->agreement.agrees);
    Field(w, "message", check->message);
    w.EndObject();
}

}  // namespace

void ReadingJsonWriter::AppendReading(const reading::Reading& reading, const atlas::PlaceZoneCheck* zoneCheck,
                                      std::string& out) {
    buffer_.Clear();
    Writer w(buffer_);
    w.StartObject();
    ChartFields(w, reading);
    ReadingFields(w, reading);
    PlaceFields(w, reading, zoneCheck);
    w.EndObject();
    // A value the writer refuses (a longitude that is not a number, say)
    // leaves the object unfinished: the case fails rather than print it.
    if (!w.IsComplete()) throw std::runtime_error("the reading could not be written as JSON");
    out.append(buffer_.GetString(), buffer_.GetSize());
    out += '\n';
}

void ReadingJsonWriter::AppendPlaces(const std::vector<atlas::Place>& places, std::string& out) {
    buffer_.Clear();
    Writer w(buffer_);
    w.StartArray();
    for (const atlas::Place& place : places) PlaceObject(w, place);
    w.EndArray();
    out.append(buffer_.GetString(), buffer_.GetSize());
    out += '\n';
}

void ReadingJsonWriter::AppendSkipped(std::string_view why, std::string& out) {
    buffer_.Clear();
    Writer w(buffer_);
    w.StartObject();
    Field(w, "skipped", why);
    w.EndObject();
    out.append(buffer_.GetString(), buffer_.GetSize());
    out += '\n';
}

void ReadingJsonWriter::AppendError(std::string_view message, std::string& out) {
    buffer_.Clear();
    Writer w(buffer_);
    w.StartObject();
    Field(w, "error", message);
    w.EndObject();
    out.append(buffer_.GetString(), buffer_.GetSize());
    out += '\n';
}

}  // namespace starwise::cli
