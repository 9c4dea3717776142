// Report pieces as one line of text each, so that a failed comparison of two
// piece lists prints both sides readably.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/recording_view.h"

namespace starwise::test {

inline const reading::TextStyle kHeading{true, reading::TextColour::Green, 11};
inline const reading::TextStyle kRedBold{true, reading::TextColour::Red, std::nullopt};
inline const reading::TextStyle kBlueBold{true, reading::TextColour::Blue, std::nullopt};
inline const reading::TextStyle kBlackBold{true, reading::TextColour::Black, std::nullopt};
inline const reading::TextStyle kPlain{false, reading::TextColour::Black, std::nullopt};

// A styled write: "bold green 11pt | text".
inline std::string Show(const reading::TextStyle& style, std::string_view text) {
    static constexpr std::string_view kColours[] = {"black", "green", "red", "blue"};
    std::string line = style.bold ? "bold " : "plain ";
    line += kColours[static_cast<int>(style.colour)];
    if (style.pointSize) line += " " + std::to_string(*style.pointSize) + "pt";
    return line + " | " + std::string{text};
}

// Any piece: styled writes as above, captions and texts as "control=text",
// the picture as "picSunSign #n".
inline std::string Show(const reading::ReportPiece& piece) {
    using Kind = reading::ReportPiece::Kind;
    if (piece.kind == Kind::Styled) return Show(piece.style, piece.text);
    if (piece.kind == Kind::Picture) return piece.control + " #" + std::to_string(piece.pictureNumber);
    return piece.control + "=" + piece.text;
}

inline std::vector<std::string> ShowAll(const reading::RecordingReportView& view) {
    std::vector<std::string> shown;
    for (const reading::ReportPiece& piece : view.Pieces()) shown.push_back(Show(piece));
    return shown;
}

}  // namespace starwise::test
