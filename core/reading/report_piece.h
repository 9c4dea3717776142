// A piece of the report's running text (the houses, aspects and void-of-
// course sections), with what it is. How each kind looks (weight, colour,
// size) is the renderer's choice; the text carries its own line breaks.
#pragma once

#include <string>
#include <string_view>

namespace starwise::reading {

enum class PieceKind {
    SectionHeading,   // starts a section: "More About Houses"
    BodyTitle,        // a placed body's title lines (Sun, Mercury, Mars, Saturn, Neptune)
    AlternateBodyTitle,  // the same for the bodies set apart from those (Moon, Venus, ...)
    LeadIn,           // a short emphasised line or label: "Keyword : ", "Significance : "
    List,             // the aspect pairs, one per line
    Paragraph,        // running text
};

struct ReportPiece {
    PieceKind kind = PieceKind::Paragraph;
    std::string text;
    friend bool operator==(const ReportPiece&, const ReportPiece&) = default;
};

// A line break in the report's running text: carriage return, line feed.
inline constexpr std::string_view kLineBreak = "\r\n";

}  // namespace starwise::reading
