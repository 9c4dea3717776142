// How the command line shows each kind of report piece: the weight and
// colour the JSON names (with its 0..255 components) and the terminal's
// ANSI codes use. The same look as the report window.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "reading/report_piece.h"

namespace starwise::cli {

struct PieceLook {
    reading::PieceKind kind;
    bool bold;
    std::string_view colourName;  // "black", "green", "red", "blue"
    std::array<int, 3> rgb;       // red, green, blue, 0..255
    std::optional<int> pointSize; // section headings only
    std::string_view ansi;        // terminal escape for the weight and colour
};

inline constexpr std::array<PieceLook, 6> kPieceLooks{{
    {reading::PieceKind::SectionHeading, true, "green", {0, 128, 0}, 11, "\x1b[1m\x1b[32m"},
    {reading::PieceKind::BodyTitle, true, "red", {128, 0, 0}, std::nullopt, "\x1b[1m\x1b[31m"},
    {reading::PieceKind::AlternateBodyTitle, true, "blue", {0, 0, 255}, std::nullopt, "\x1b[1m\x1b[34m"},
    {reading::PieceKind::LeadIn, true, "red", {128, 0, 0}, std::nullopt, "\x1b[1m\x1b[31m"},
    {reading::PieceKind::List, true, "black", {0, 0, 0}, std::nullopt, "\x1b[1m\x1b[39m"},
    {reading::PieceKind::Paragraph, false, "black", {0, 0, 0}, std::nullopt, "\x1b[22m\x1b[39m"},
}};
static_assert(kPieceLooks.size() == 6);

constexpr const PieceLook& LookOf(reading::PieceKind kind) {
    for (const PieceLook& look : kPieceLooks) {
        if (look.kind == kind) return look;
    }
    return kPieceLooks.back();
}

}  // namespace starwise::cli
