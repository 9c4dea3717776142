#include "cli/text_report.h"

#include "content/fixed_texts.h"
#include "reading/report_controls.h"

namespace starwise::cli {
namespace {

namespace controls = reading::controls;

std::string WithUnixBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string Ansi(const reading::TextStyle& style) {
    std::string code = style.bold ? "\x1b[1m" : "\x1b[22m";
    switch (style.colour) {
        case reading::TextColour::Green: code += "\x1b[32m"; break;
        case reading::TextColour::Red: code += "\x1b[31m"; break;
        case reading::TextColour::Blue: code += "\x1b[34m"; break;
        case reading::TextColour::Black: code += "\x1b[39m"; break;
    }
    return code;
}

class Writer {
public:
    Writer(const reading::RecordingReportView& report, bool colour) : report_(report), colour_(colour) {}

    void Heading(std::string_view text) {
        out_ += colour_ ? "\x1b[1;32m" : "";
        out_ += text;
        out_ += colour_ ? "\x1b[0m\n" : "\n";
        out_ += std::string(text.size(), '=');
        out_ += "\n";
    }
    void Field(std::string_view caption, std::string_view control) {
        const auto value = report_.LastWritten(control);
        out_ += caption;
        out_ += ": ";
        out_ += value.value_or("");
        out_ += "\n";
    }
    void Paragraph(std::string_view caption, std::string_view control) {
        out_ += "\n";
        out_ += caption;
        out_ += ":\n";
        out_ += WithUnixBreaks(report_.LastWritten(control).value_or(""));
        out_ += "\n";
    }
    void Text(std::string_view text) { out_ += text; }
    void RichText() {
        for (const reading::ReportPiece& piece : report_.StyledPieces()) {
            if (colour_) out_ += Ansi(piece.style);
            out_ += WithUnixBreaks(piece.text);
        }
        if (colour_) out_ += "\x1b[0m";
    }
    std::string Take() { return std::move(out_); }

private:
    const reading::RecordingReportView& report_;
    bool colour_;
    std::string out_;
};

}  // namespace

std::string TextReport(const reading::RecordingReportView& report, bool colour) {
    Writer w(report, colour);
    w.Heading("Sun Sign");
    w.Field("Your Sun Sign", controls::lblSunSign);
    w.Field("Element", controls::lblSunSignElement);
    w.Field("Birthstone", controls::lblSunSignBirthStone);
    w.Field("Lucky Number", controls::lblSunSignNumber);
    w.Field("Lucky Day", controls::lblSunSignDay);
    w.Field("Compatibility", controls::lblSunSignCompatibility);
    w.Paragraph("Positive Traits", controls::txtSunSignPositiveTraits);
    w.Paragraph("Negative Traits", controls::txtSunSignNegativeTraits);
    w.Text("\n");
    w.Heading("Karma Profile");
    w.Text(WithUnixBreaks(content::kNodeAxisExplanation));
    w.Text("\n\n");
    w.Field("North Node Is Placed In", controls::lblNorthSign);
    w.Field("Keywords", controls::lblNorthKeyWord);
    w.Text(WithUnixBreaks(report.LastWritten(controls::txtNorthDesc).value_or("")));
    w.Text("\n\n");
    w.Field("South Node Is Placed In", controls::lblSouthSign);
    w.Field("Keywords", controls::lblSouthKeyWord);
    w.Text(WithUnixBreaks(report.LastWritten(controls::txtSouthDesc).value_or("")));
    w.Text("\n\n");
    w.Heading("Planets in House");
    w.RichText();
    return w.Take();
}

}  // namespace starwise::cli
