// Geometry of the chart wheel, free of any drawing library: where the signs,
// the houses, the bodies' marks and labels and the aspect lines go in a
// square of a given size. The painter in gui/chart_wheel.h draws from it.
//
// Frame: pixels of a square sizePx wide, origin at its top-left corner, x to
// the right, y downwards. Angles on the wheel ("wheel angles") are degrees
// counter-clockwise from the positive x axis as seen on screen, so 180 is the
// left and 270 the bottom. The Ascendant sits at 180 and the zodiac runs
// counter-clockwise from it, as charts are read.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace starwise::gui {

// One body or lunar node on the wheel.
struct WheelPoint {
    int id = 0;                 // the caller's number, unique within a chart
    std::string glyph;          // UTF-8, e.g. kBodyGlyphs[0] for the Sun
    std::string label;          // position text, e.g. "05 Leo 41"
    double longitudeDeg = 0.0;  // tropical ecliptic longitude, degrees, any finite value
};

// A pair of points in aspect, drawn as a line inside the wheel.
struct WheelAspect {
    enum Kind { Quincunx, SemiSextile };
    int fromId = 0;
    int toId = 0;
    Kind kind = Quincunx;
};

struct WheelChart {
    double ascendantDeg = 0.0;  // ecliptic longitude of the Ascendant, degrees
    std::vector<WheelPoint> points;
    std::vector<WheelAspect> aspects;
};

// UTF-8 glyphs: Sun, Moon, Mercury .. Pluto, north node, south node.
inline constexpr std::array<std::string_view, 12> kBodyGlyphs{
    "\u2609", "\u263D", "\u263F", "\u2640", "\u2642", "\u2643",
    "\u2644", "\u2645", "\u2646", "\u2647", "\u260A", "\u260B"};
// UTF-8 glyphs of the signs, Aries first.
inline constexpr std::array<std::string_view, 12> kSignGlyphs{
    "\u2648", "\u2649", "\u264A", "\u264B", "\u264C", "\u264D",
    "\u264E", "\u264F", "\u2650", "\u2651", "\u2652", "\u2653"};

struct PointPx {
    double x = 0.0;
    double y = 0.0;
};

struct SizePx {
    double width = 0.0;
    double height = 0.0;
};

// An axis-aligned box given by its centre.
struct BoxPx {
    PointPx centre;
    SizePx size;
};

// True when the interiors of the two boxes share any area (touching edges
// do not count).
bool BoxesOverlap(const BoxPx& a, const BoxPx& b);

// Radii of the wheel's circles, pixels from the centre, largest first.
struct WheelRadii {
    double outer = 0.0;        // outer edge of the zodiac ring
    double zodiacInner = 0.0;  // inner edge of the zodiac ring; the bodies' ticks start here
    double tickInner = 0.0;    // inner end of a body's tick; leader lines end here
    double houseOuter = 0.0;   // outer edge of the ring of house numbers
    double aspect = 0.0;       // inner edge of that ring; aspect lines join marks on it
};

// Text sizes in pixels (em heights) for a wheel sizePx wide, in proportion to it.
struct WheelFontSizes {
    double signGlyphPx = 0.0;  // the signs on the zodiac ring
    double bodyGlyphPx = 0.0;  // a body's glyph in its label
    double labelTextPx = 0.0;  // a body's position text
    double houseNumberPx = 0.0;
    double axisTextPx = 0.0;   // "Asc"
};
WheelFontSizes FontSizesFor(double sizePx);

struct SignSector {
    int sign = 0;                // 0 Aries .. 11 Pisces
    double startAngleDeg = 0.0;  // wheel angle of 0 degrees of the sign
    double endAngleDeg = 0.0;    // startAngleDeg + 30, may exceed 360
    PointPx glyphCentre;
};

// Houses follow the reading's rule (reading::FirstHouseCuspDeg): house 1
// begins at the Ascendant's whole degree, so its cusp stands up to one
// degree clockwise of the Ascendant's own line, and every body drawn in a
// house is the one the reading lists it in.
struct HouseCusp {
    int house = 0;          // 1..12
    double angleDeg = 0.0;  // wheel angle where the house begins: 180 + 30 (house - 1) - (Asc - its whole degree)
    PointPx outer;          // on the zodiac ring's inner edge
    PointPx inner;          // on the aspect circle
    PointPx numberCentre;   // the house number, halfway round the house
};

// A line of the horizon at its exact angle (the Ascendant at 180, the
// Descendant at 0), across the rings from the zodiac to the aspect circle.
struct AxisLine {
    double angleDeg = 0.0;
    PointPx outer;  // on the zodiac ring's inner edge
    PointPx inner;  // on the aspect circle
};

struct PlacedPoint {
    int id = 0;
    double angleDeg = 0.0;    // wheel angle of the true longitude, [0, 360)
    PointPx zodiacMark;       // true longitude on the zodiac ring's inner edge
    PointPx tickEnd;          // true longitude at radii.tickInner
    PointPx aspectMark;       // true longitude on the aspect circle
    BoxPx label;              // the whole label, spread clear of the others
    BoxPx glyph;              // the glyph's ink, inside label
    BoxPx text;               // the position text's line, inside label
    bool displaced = false;   // the label does not reach across the true longitude's radius
    PointPx leaderStart;      // on the label box's edge, toward tickEnd (when displaced)
    PointPx leaderEnd;        // tickEnd (when displaced)
};

struct AspectLine {
    int fromId = 0;
    int toId = 0;
    WheelAspect::Kind kind = WheelAspect::Quincunx;
    PointPx from;  // the from point's aspectMark
    PointPx to;    // the to point's aspectMark
};

struct WheelLayout {
    double sizePx = 0.0;
    PointPx centre;
    WheelRadii radii;
    std::array<SignSector, 12> signs;
    std::array<HouseCusp, 12> cusps;
    AxisLine ascendantLine;
    AxisLine descendantLine;
    std::vector<PlacedPoint> points;  // in the chart's order
    std::vector<AspectLine> aspects;  // in the chart's order
    PointPx ascendantAxisEnd;         // beyond the outer ring on the Ascendant's side
    PointPx ascendantLabelCentre;     // "Asc", above that axis end
    // True only when no placement kept every label clear of the others and
    // between the rings (labels far longer than "05 Leo 41"); they are then
    // drawn on one track and may touch.
    bool labelsCrowded = false;
};

// Sizes of the two parts of a body's label, in pixels: its glyph (the ink's
// extent) and its position text (advance by cap height plus descent).
struct LabelParts {
    SizePx glyph;
    SizePx text;
};
using LabelMeasure = std::function<LabelParts(const WheelPoint&)>;

// Wheel angle in degrees, [0, 360), of an ecliptic longitude with the
// Ascendant at 180: 180 + longitude - ascendant, reduced.
double WheelAngleDeg(double longitudeDeg, double ascendantDeg);

// The point radiusPx from centre at a wheel angle (y grows downwards).
PointPx PolarToPx(PointPx centre, double radiusPx, double angleDeg);

// Label parts estimated from character counts when no font is at hand, at
// FontSizesFor(sizePx).
LabelParts EstimateLabelParts(const WheelPoint& point, double sizePx);

// Lays out the whole wheel in a square sizePx wide. A label puts its glyph
// above its text, or within 30 degrees of the horizon beside it (on the
// zodiac ring's side), where that takes less room along the ring. Labels
// start on their true longitude; crowding clusters are spread apart along
// one label track, or over two or three when one cannot hold them, until no
// two boxes overlap. Throws std::invalid_argument when sizePx is not
// positive, a longitude is not finite, two points share an id, or an aspect
// names an id that is not among the points.
WheelLayout LayOutWheel(const WheelChart& chart, double sizePx, const LabelMeasure& measure);

}  // namespace starwise::gui
