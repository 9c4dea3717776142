#include "cli/text_report.h"

#include <array>

#include "content/fixed_texts.h"
#include "reading/report_fields.h"
#include "reading/sun_sign.h"

namespace starwise::cli {
namespace {

// Terminal escapes for a block kind's weight and colour.
std::string AnsiOf(const reading::BlockLook& look) {
    struct Colour {
        std::string_view name;
        std::string_view code;
    };
    static constexpr std::array<Colour, 4> kColours{{{"black", "39"}, {"green", "32"}, {"red", "31"}, {"blue", "34"}}};
    std::string_view code = "39";
    for (const Colour& colour : kColours) {
        if (colour.name == look.colourName) code = colour.code;
    }
    return std::string{look.bold ? "\x1b[1m" : "\x1b[22m"} + "\x1b[" + std::string{code} + "m";
}

// Text broken into lines of the terminal's own kind: the report's texts
// hold no line breaks, and every break here is this writer's.
class Writer {
public:
    Writer(bool colour, std::string& out) : colour_(colour), out_(out) {}

    void Heading(std::string_view text) {
        out_ += colour_ ? "\x1b[1;32m" : "";
        out_ += text;
        out_ += colour_ ? "\x1b[0m\n" : "\n";
        out_ += std::string(text.size(), '=');
        out_ += "\n";
    }
    void Line(std::string_view text) {
        out_ += text;
        out_ += "\n";
    }
    // A field as its kind shows it: "Caption: value" on one line, or a
    // paragraph under its caption, or a paragraph alone.
    void Field(const reading::ReportField& field, const std::string& value) {
        switch (field.kind) {
            case reading::FieldKind::Sign:
            case reading::FieldKind::Value: Line(std::string{field.caption} + ": " + value); break;
            case reading::FieldKind::Paragraph:
                if (field.caption.empty()) {
                    out_ += value;
                    out_ += "\n\n";
                } else {
                    out_ += "\n";
                    Line(std::string{field.caption} + ":");
                    Line(value);
                }
                break;
            case reading::FieldKind::Picture: break;
        }
    }
    void Text(std::string_view text) { out_ += text; }
    void Blocks(const std::vector<reading::ReportBlock>& blocks) {
        for (const reading::ReportBlock& block : blocks) {
            if (colour_) out_ += AnsiOf(reading::LookOf(block.kind));
            reading::AppendPlainText(block, "\n", out_);
        }
    }
    void EndStyles() {
        if (colour_) out_ += "\x1b[0m";
    }

private:
    bool colour_;
    std::string& out_;
};

}  // namespace

void AppendTextReport(const reading::Reading& reading, bool colour, std::string& out) {
    Writer w(colour, out);
    const auto group = [&](reading::FieldGroup fieldGroup, const std::string& noteAfterFirst = {}) {
        bool first = true;
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.group != fieldGroup) continue;
            w.Field(field, field.read(reading));
            if (first && !noteAfterFirst.empty()) w.Line(noteAfterFirst);
            first = false;
        }
    };
    w.Heading(reading::kSunSignCaption);
    group(reading::FieldGroup::SunSign, reading.sunCusp ? reading::SunCuspLine(*reading.sunCusp) : std::string{});
    w.Text("\n");
    w.Heading(reading::kKarmaProfileCaption);
    w.Text(content::kNodeAxisExplanation);
    w.Text("\n\n");
    group(reading::FieldGroup::NorthNode);
    group(reading::FieldGroup::SouthNode);
    w.Heading(reading::kRunningTextCaption);
    w.Blocks(reading.RunningText());
    w.EndStyles();
    if (const std::string notice = reading::FailedStepsNotice(reading); !notice.empty()) {
        w.Text("\n" + notice + "\n");
    }
}

std::string PlaceListLine(const atlas::Place& place) {
    return atlas::PlaceLabel(place) + "  " + atlas::LatitudeFlagText(place.latitudeDeg) + " " +
           atlas::LongitudeFlagText(place.longitudeDeg) + "  " + place.timeZone;
}

std::string PlaceHeader(const atlas::PlaceZoneCheck& check) {
    return "Place: " + PlaceListLine(check.place) + "\nTime zone: " + check.message + "\n\n";
}

}  // namespace starwise::cli
