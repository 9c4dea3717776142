// How each kind of running-text piece looks (weight, colour, size), shared
// by the report window and the reading document so the two read alike.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "reading/report_piece.h"

namespace starwise::gui {

// One kind's look: bold or not, its colour, and a point size for section
// headings (0: keep the size in force).
struct PieceStyle {
    reading::PieceKind kind;
    bool bold;
    QColor colour;
    double pointSize;
};

inline constexpr std::array<PieceStyle, 6> kPieceStyles{{
    {reading::PieceKind::SectionHeading, true, QColor(0, 128, 0), 11},
    {reading::PieceKind::BodyTitle, true, QColor(128, 0, 0), 0},
    {reading::PieceKind::AlternateBodyTitle, true, QColor(0, 0, 255), 0},
    {reading::PieceKind::LeadIn, true, QColor(128, 0, 0), 0},
    {reading::PieceKind::List, true, QColor(0, 0, 0), 0},
    {reading::PieceKind::Paragraph, false, QColor(0, 0, 0), 0},
}};
static_assert(kPieceStyles.size() == 6, "one style per PieceKind");

// Size of the running text before its first section heading, points.
inline constexpr double kRunningTextPointSize = 8.25;

// The style of a kind (a kind missing from the table looks like a paragraph).
const PieceStyle& StyleOf(reading::PieceKind kind);

// A piece ready to draw: its text with "\n" for each line break, its style,
// and the size in force for it, points. A heading's size holds for
// everything after it, as a rich-text box's selection size does.
struct StyledRun {
    QString text;
    const PieceStyle* style;
    double pointSize;
};
std::vector<StyledRun> StyledRunsOf(const std::vector<reading::ReportPiece>& pieces);

}  // namespace starwise::gui
