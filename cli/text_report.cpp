#include "cli/text_report.h"

#include "content/fixed_texts.h"
#include "cli/report_look.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"

namespace starwise::cli {
namespace {

// Appends the text with each CR LF written as a single LF.
void AppendWithUnixBreaks(std::string& out, std::string_view text) {
    for (std::size_t crlf = text.find("\r\n"); crlf != std::string_view::npos; crlf = text.find("\r\n")) {
        out.append(text.data(), crlf);
        text.remove_prefix(crlf + 1);  // keep the LF
    }
    out += text;
}

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
        AppendWithUnixBreaks(out_, text);
        out_ += "\n";
    }
    void Text(std::string_view text) { out_ += text; }
    void Unix(std::string_view text) { AppendWithUnixBreaks(out_, text); }
    void Pieces(const std::vector<reading::ReportPiece>& pieces) {
        for (const reading::ReportPiece& piece : pieces) {
            if (colour_) out_ += LookOf(piece.kind).ansi;
            AppendWithUnixBreaks(out_, piece.text);
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
    const content::SunSignProfileRow* profile = reading.sunSignProfile;
    const content::NodeRow* node = reading.nodeRow;
    const auto or_empty = [](const auto* row, auto field) { return row ? std::string_view{row->*field} : std::string_view{}; };
    using Profile = content::SunSignProfileRow;
    using Node = content::NodeRow;

    Writer w(colour, out);
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
    w.Unix(content::kNodeAxisExplanation);
    w.Text("\n\n");
    w.Field("North Node Is Placed In", or_empty(node, &Node::northSign));
    w.Field("Keywords", or_empty(node, &Node::northKeywords));
    w.Unix(node ? reading::NorthDescriptionOf(*node) : std::string{});
    w.Text("\n\n");
    w.Field("South Node Is Placed In", or_empty(node, &Node::southSign));
    w.Field("Keywords", or_empty(node, &Node::southKeywords));
    w.Unix(node ? reading::SouthDescriptionOf(*node) : std::string{});
    w.Text("\n\n");
    w.Heading("Planets in House");
    for (const auto* section : {&reading.houseSection, &reading.aspectSection, &reading.voidOfCourseSection}) {
        w.Pieces(*section);
    }
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
