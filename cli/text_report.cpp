#include "cli/text_report.h"

#include "content/fixed_texts.h"
#include "cli/report_look.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"

namespace starwise::cli {
namespace {

std::string WithUnixBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

class Writer {
public:
    explicit Writer(bool colour) : colour_(colour) {}

    void Heading(std::string_view text) {
        out_ += colour_ ? "\x1b[1;32m" : "";
        out_ += text;
        out_ += colour_ ? "\x1b[0m\n" : "\n";
        out_ += std::string(text.size(), '=');
        out_ += "\n";
    }
    void Field(std::string_view caption, std::string_view value) {
        out_ += caption;
        out_ += ": ";
        out_ += value;
        out_ += "\n";
    }
    void Paragraph(std::string_view caption, std::string_view text) {
        out_ += "\n";
        out_ += caption;
        out_ += ":\n";
        out_ += WithUnixBreaks(text);
        out_ += "\n";
    }
    void Text(std::string_view text) { out_ += text; }
    void RunningText(const std::vector<reading::ReportPiece>& pieces) {
        for (const reading::ReportPiece& piece : pieces) {
            if (colour_) out_ += LookOf(piece.kind).ansi;
            out_ += WithUnixBreaks(piece.text);
        }
        if (colour_) out_ += "\x1b[0m";
    }
    std::string Take() { return std::move(out_); }

private:
    bool colour_;
    std::string out_;
};

}  // namespace

std::string TextReport(const reading::Reading& reading, bool colour) {
    const content::SunSignProfileRow* profile = reading.sunSignProfile;
    const content::NodeRow* node = reading.nodeRow;
    const auto or_empty = [](const auto* row, auto field) { return row ? std::string_view{row->*field} : std::string_view{}; };
    using Profile = content::SunSignProfileRow;
    using Node = content::NodeRow;

    Writer w(colour);
    w.Heading("Sun Sign");
    w.Field("Your Sun Sign", reading.sunSign);
    if (reading.sunCusp) w.Text(reading::SunCuspLine(*reading.sunCusp) + "\n");
    w.Field("Element", or_empty(profile, &Profile::element));
    w.Field("Birthstone", or_empty(profile, &Profile::birthStone));
    w.Field("Lucky Number", or_empty(profile, &Profile::luckyNumber));
    w.Field("Lucky Day", or_empty(profile, &Profile::luckyDay));
    w.Field("Compatibility", or_empty(profile, &Profile::compatibleSigns));
    w.Paragraph("Positive Traits", profile ? reading::PositiveTraitsOf(*profile) : std::string{});
    w.Paragraph("Negative Traits", or_empty(profile, &Profile::negativeTraits));
    w.Text("\n");
    w.Heading("Karma Profile");
    w.Text(WithUnixBreaks(content::kNodeAxisExplanation));
    w.Text("\n\n");
    w.Field("North Node Is Placed In", or_empty(node, &Node::northSign));
    w.Field("Keywords", or_empty(node, &Node::northKeywords));
    w.Text(WithUnixBreaks(node ? reading::NorthDescriptionOf(*node) : std::string{}));
    w.Text("\n\n");
    w.Field("South Node Is Placed In", or_empty(node, &Node::southSign));
    w.Field("Keywords", or_empty(node, &Node::southKeywords));
    w.Text(WithUnixBreaks(node ? reading::SouthDescriptionOf(*node) : std::string{}));
    w.Text("\n\n");
    w.Heading("Planets in House");
    w.RunningText(reading.RunningText());
    return w.Take();
}

std::string PlaceListLine(const atlas::Place& place) {
    return atlas::PlaceLabel(place) + "  " + atlas::LatitudeFlagText(place.latitudeDeg) + " " +
           atlas::LongitudeFlagText(place.longitudeDeg) + "  " + place.timeZone;
}

std::string PlaceHeader(const atlas::PlaceZoneCheck& check) {
    return "Place: " + PlaceListLine(check.place) + "\nTime zone: " + check.message + "\n\n";
}

}  // namespace starwise::cli
