// Report pieces as one line of text each, so that a failed comparison of two
// piece lists prints both sides readably.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reading/report_piece.h"

namespace starwise::test {

inline constexpr reading::PieceKind kHeading = reading::PieceKind::SectionHeading;
inline constexpr reading::PieceKind kTitle = reading::PieceKind::BodyTitle;
inline constexpr reading::PieceKind kAltTitle = reading::PieceKind::AlternateBodyTitle;
inline constexpr reading::PieceKind kLeadIn = reading::PieceKind::LeadIn;
inline constexpr reading::PieceKind kList = reading::PieceKind::List;
inline constexpr reading::PieceKind kParagraph = reading::PieceKind::Paragraph;

// A piece: "lead-in | text".
inline std::string Show(reading::PieceKind kind, std::string_view text) {
    static constexpr std::string_view kNames[] = {"heading", "title", "alternate title", "lead-in", "list",
                                                  "paragraph"};
    return std::string{kNames[static_cast<int>(kind)]} + " | " + std::string{text};
}

inline std::vector<std::string> ShowAll(const std::vector<reading::ReportPiece>& pieces) {
    std::vector<std::string> shown;
    for (const reading::ReportPiece& piece : pieces) shown.push_back(Show(piece.kind, piece.text));
    return shown;
}

}  // namespace starwise::test
