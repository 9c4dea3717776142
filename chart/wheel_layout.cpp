#include "chart/wheel_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

#include "engine/angles.h"
#include "reading/house_placement.h"

namespace starwise::gui {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Proportions of the wheel, as fractions of half the square's side.
constexpr double kOuterFraction = 0.88;        // leaves a margin for the Ascendant's arrow and "Asc"
constexpr double kZodiacInnerFraction = 0.76;  // the zodiac ring is 0.14 wide
constexpr double kTickFraction = 0.022;        // length of a body's tick
constexpr double kHouseOuterFraction = 0.43;
constexpr double kAspectFraction = 0.365;      // the house-number ring is 0.065 wide
constexpr double kAxisEndFraction = 0.985;     // the Ascendant's arrow reaches this far
// Gaps in pixels as fractions of the square's side.
constexpr double kLabelPadFraction = 0.006;   // kept clear between two labels
constexpr double kBandGapFraction = 0.006;    // kept clear between labels and the rings
constexpr double kLabelMarginFraction = 0.003;  // inside a label, round its glyph and text
constexpr double kLabelPartGapFraction = 0.004; // between a label's glyph and text
constexpr double kBesideWithinDeg = 30.0;       // labels this near the horizon put text beside glyph

// One label being placed on a track.
struct Slot {
    std::size_t point = 0;  // index into the chart's points
    double trueRad = 0.0;   // wheel angle of the true longitude, unwrapped along the track
    double posRad = 0.0;    // wheel angle of the label's centre
    SizePx size;
};

// Smallest angular separation, radians, at which two boxes centred on a
// circle of radius trackPx, symmetric about the wheel angle midRad, stop
// overlapping with padPx between them. Centres at mid -+ d/2 lie
// 2 r |sin(mid)| sin(d/2) apart in x and 2 r |cos(mid)| sin(d/2) apart in y;
// the boxes are clear once either distance exceeds the boxes' half sizes
// summed on that axis.
double RequiredGapRad(const SizePx& a, const SizePx& b, double midRad, double trackPx, double padPx) {
    const double needX = (a.width + b.width) / 2.0 + padPx;
    const double needY = (a.height + b.height) / 2.0 + padPx;
    const double sinMid = std::abs(std::sin(midRad));
    const double cosMid = std::abs(std::cos(midRad));
    double sinHalf = std::numeric_limits<double>::infinity();
    if (sinMid > 0.0) sinHalf = needX / (2.0 * trackPx * sinMid);
    if (cosMid > 0.0) sinHalf = std::min(sinHalf, needY / (2.0 * trackPx * cosMid));
    // Too big for the track: half a turn, and the final check decides.
    if (sinHalf >= 1.0) return std::numbers::pi;
    return 2.0 * std::asin(sinHalf);
}

struct Cluster {
    std::size_t begin = 0;  // slots [begin, end), consecutive along the track
    std::size_t end = 0;
};

// Places a cluster's labels one after another with the required gaps, centred so
// that their mean displacement from the true angles is zero. The gaps depend
// on where the pair sits, so the placement is repeated until it settles.
void LayOutCluster(std::vector<Slot>& slots, const Cluster& cluster, double trackPx, double padPx) {
    constexpr int kRounds = 6;
    const std::size_t count = cluster.end - cluster.begin;
    std::vector<double> offsets(count, 0.0);
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 1; k < count; ++k) {
            const Slot& previous = slots[cluster.begin + k - 1];
            const Slot& current = slots[cluster.begin + k];
            const double mid = (previous.posRad + current.posRad) / 2.0;
            offsets[k] = offsets[k - 1] + RequiredGapRad(previous.size, current.size, mid, trackPx, padPx);
        }
        double base = 0.0;
        for (std::size_t k = 0; k < count; ++k) base += slots[cluster.begin + k].trueRad - offsets[k];
        base /= static_cast<double>(count);
        for (std::size_t k = 0; k < count; ++k) slots[cluster.begin + k].posRad = base + offsets[k];
    }
}

// True when the gap from slot a forward to slot b (b's angle plus wrapRad)
// is narrower than the two labels need.
bool TooClose(const Slot& a, const Slot& b, double wrapRad, double trackPx, double padPx) {
    const double bPos = b.posRad + wrapRad;
    const double need = RequiredGapRad(a.size, b.size, (a.posRad + bPos) / 2.0, trackPx, padPx);
    return bPos - a.posRad < need * (1.0 - 1e-9);
}

// Spreads the labels of one track (any order) apart along a circle of radius
// trackPx: neighbouring clusters that crowd each other merge and are laid out
// again, until every neighbour is clear. False when they cannot all fit
// round the circle.
bool SpreadTrack(std::vector<Slot>& slots, double trackPx, double padPx) {
    if (slots.size() < 2) return true;
    std::sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.trueRad < b.trueRad; });
    // Start the track just after the widest empty arc, so the clusters rarely
    // need to cross its ends.
    std::size_t start = 0;
    double widest = -1.0;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const std::size_t previous = (k + slots.size() - 1) % slots.size();
        double gap = slots[k].trueRad - slots[previous].trueRad;
        if (gap <= 0.0) gap += kTwoPi;
        if (gap > widest) {
            widest = gap;
            start = k;
        }
    }
    std::rotate(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(start), slots.end());
    for (std::size_t k = 1; k < slots.size(); ++k) {
        while (slots[k].trueRad < slots[k - 1].trueRad) slots[k].trueRad += kTwoPi;
    }
    for (Slot& slot : slots) slot.posRad = slot.trueRad;

    std::vector<Cluster> clusters;
    for (std::size_t k = 0; k < slots.size(); ++k) clusters.push_back({k, k + 1});

    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t c = 0; c + 1 < clusters.size() && !merged; ++c) {
            if (TooClose(slots[clusters[c].end - 1], slots[clusters[c + 1].begin], 0.0, trackPx, padPx)) {
                clusters[c].end = clusters[c + 1].end;
                clusters.erase(clusters.begin() + static_cast<std::ptrdiff_t>(c + 1));
                LayOutCluster(slots, clusters[c], trackPx, padPx);
                merged = true;
            }
        }
        if (!merged && clusters.size() > 1 &&
            TooClose(slots.back(), slots.front(), kTwoPi, trackPx, padPx)) {
            // The last and first clusters meet across the track's ends: move
            // the first one round to the end and join them.
            const std::size_t moved = clusters.front().end;
            for (std::size_t k = 0; k < moved; ++k) {
                slots[k].trueRad += kTwoPi;
                slots[k].posRad += kTwoPi;
            }
            std::rotate(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(moved), slots.end());
            clusters.erase(clusters.begin());
            for (Cluster& cluster : clusters) {
                cluster.begin -= moved;
                cluster.end -= moved;
            }
            clusters.back().end = slots.size();
            LayOutCluster(slots, clusters.back(), trackPx, padPx);
            merged = true;
        }
    }
    return clusters.size() > 1 || !TooClose(slots.back(), slots.front(), kTwoPi, trackPx, padPx);
}

BoxPx LabelBoxAt(PointPx centre, double trackPx, double angleRad, SizePx size) {
    return {PolarToPx(centre, trackPx, angleRad / kRadiansPerDegree), size};
}

// The point where the segment from the box's centre towards target leaves
// the box; the target itself when it lies inside.
PointPx BoxExitToward(const BoxPx& box, PointPx target) {
    const double dx = target.x - box.centre.x;
    const double dy = target.y - box.centre.y;
    double t = 1.0;
    if (dx != 0.0) t = std::min(t, box.size.width / 2.0 / std::abs(dx));
    if (dy != 0.0) t = std::min(t, box.size.height / 2.0 / std::abs(dy));
    return {box.centre.x + t * dx, box.centre.y + t * dy};
}

bool Contains(const BoxPx& box, PointPx point) {
    return std::abs(point.x - box.centre.x) <= box.size.width / 2.0 &&
           std::abs(point.y - box.centre.y) <= box.size.height / 2.0;
}

// Distance from the centre to the box's farthest and nearest points.
double FarthestPx(const BoxPx& box, PointPx centre) {
    const double dx = std::abs(box.centre.x - centre.x) + box.size.width / 2.0;
    const double dy = std::abs(box.centre.y - centre.y) + box.size.height / 2.0;
    return std::hypot(dx, dy);
}
double NearestPx(const BoxPx& box, PointPx centre) {
    const double dx = std::max(0.0, std::abs(box.centre.x - centre.x) - box.size.width / 2.0);
    const double dy = std::max(0.0, std::abs(box.centre.y - centre.y) - box.size.height / 2.0);
    return std::hypot(dx, dy);
}

// True when every box lies within the band and no two overlap.
bool BoxesClear(const std::vector<BoxPx>& boxes, PointPx centre, double bandInnerPx, double bandOuterPx) {
    for (std::size_t a = 0; a < boxes.size(); ++a) {
        if (FarthestPx(boxes[a], centre) > bandOuterPx || NearestPx(boxes[a], centre) < bandInnerPx) return false;
        for (std::size_t b = a + 1; b < boxes.size(); ++b) {
            if (BoxesOverlap(boxes[a], boxes[b])) return false;
        }
    }
    return true;
}

// Largest distance from the centre, along the wheel angle angleRad, at which
// a box of the given size still lies within radiusPx: the root of
// (r |cos| + w/2)^2 + (r |sin| + h/2)^2 = R^2 for the farthest corner.
double OutermostCentrePx(SizePx size, double angleRad, double radiusPx) {
    const double linear = size.width * std::abs(std::cos(angleRad)) + size.height * std::abs(std::sin(angleRad));
    const double constant = (size.width * size.width + size.height * size.height) / 4.0 - radiusPx * radiusPx;
    return (-linear + std::sqrt(linear * linear - 4.0 * constant)) / 2.0;
}

// Labels laid out on trackCount concentric tracks filling the band between
// bandInnerPx and bandOuterPx, neighbours along the true longitude taking
// turns between tracks. With one track the labels are then moved out along
// their radii towards the zodiac ring, as far as they stay clear, so they
// sit close to their ticks. Boxes by point index; false when a track
// overflows, two boxes overlap or a box leaves the band.
bool PlaceLabels(const std::vector<double>& angleRad, const std::vector<SizePx>& sizes, PointPx centre,
                 double bandInnerPx, double bandOuterPx, int trackCount, double padPx,
                 std::vector<BoxPx>& boxes) {
    const std::size_t count = angleRad.size();
    std::vector<std::size_t> order(count);
    for (std::size_t k = 0; k < count; ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return angleRad[a] < angleRad[b]; });

    bool fits = true;
    std::vector<double> labelRad(count);
    const double trackWidth = (bandOuterPx - bandInnerPx) / trackCount;
    for (int track = 0; track < trackCount; ++track) {
        // Track 0 is the outermost, next to the zodiac ring.
        const double trackPx = bandOuterPx - trackWidth * (track + 0.5);
        std::vector<Slot> slots;
        for (std::size_t k = static_cast<std::size_t>(track); k < count; k += static_cast<std::size_t>(trackCount)) {
            const std::size_t point = order[k];
            slots.push_back({point, angleRad[point], angleRad[point], sizes[point]});
        }
        fits = SpreadTrack(slots, trackPx, padPx) && fits;
        for (const Slot& slot : slots) {
            boxes[slot.point] = LabelBoxAt(centre, trackPx, slot.posRad, slot.size);
            labelRad[slot.point] = slot.posRad;
        }
    }
    if (!fits || !BoxesClear(boxes, centre, bandInnerPx, bandOuterPx)) return false;
    if (trackCount != 1) return true;

    const double trackPx = (bandOuterPx + bandInnerPx) / 2.0;
    std::vector<BoxPx> moved(count);
    for (const double share : {1.0, 0.75, 0.5, 0.25}) {
        for (std::size_t k = 0; k < count; ++k) {
            const double outermost = OutermostCentrePx(sizes[k], labelRad[k], bandOuterPx);
            const double radius = trackPx + share * std::max(0.0, outermost - trackPx);
            moved[k] = LabelBoxAt(centre, radius, labelRad[k], sizes[k]);
        }
        if (BoxesClear(moved, centre, bandInnerPx, bandOuterPx * (1.0 + 1e-12))) {
            boxes = moved;
            break;
        }
    }
    return true;
}

void CheckChart(const WheelChart& chart, double sizePx) {
    if (!(sizePx > 0.0) || !std::isfinite(sizePx)) {
        throw std::invalid_argument("chart wheel: the size must be a positive number of pixels");
    }
    if (!std::isfinite(chart.ascendantDeg)) {
        throw std::invalid_argument("chart wheel: the Ascendant's longitude is not a number");
    }
    std::set<int> ids;
    for (const WheelPoint& point : chart.points) {
        if (!std::isfinite(point.longitudeDeg)) {
            throw std::invalid_argument("chart wheel: the longitude of point " + std::to_string(point.id) +
                                        " is not a number");
        }
        if (!ids.insert(point.id).second) {
            throw std::invalid_argument("chart wheel: two points share the id " + std::to_string(point.id));
        }
    }
    for (const WheelAspect& aspect : chart.aspects) {
        if (!ids.contains(aspect.fromId) || !ids.contains(aspect.toId)) {
            throw std::invalid_argument("chart wheel: an aspect names a point that is not on the wheel (" +
                                        std::to_string(aspect.fromId) + ", " + std::to_string(aspect.toId) + ")");
        }
    }
}

// Number of UTF-8 code points in text: each byte that does not continue a
// sequence starts one.
double CodePoints(std::string_view text) {
    return static_cast<double>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

bool BoxesOverlap(const BoxPx& a, const BoxPx& b) {
    return std::abs(a.centre.x - b.centre.x) < (a.size.width + b.size.width) / 2.0 &&
           std::abs(a.centre.y - b.centre.y) < (a.size.height + b.size.height) / 2.0;
}

WheelFontSizes FontSizesFor(double sizePx) {
    return {
        .signGlyphPx = 0.050 * sizePx,
        .bodyGlyphPx = 0.036 * sizePx,
        .labelTextPx = 0.019 * sizePx,
        .houseNumberPx = 0.021 * sizePx,
        .axisTextPx = 0.020 * sizePx,
    };
}

double WheelAngleDeg(double longitudeDeg, double ascendantDeg) {
    const double angle = std::fmod(180.0 + longitudeDeg - ascendantDeg, 360.0);
    const double reduced = angle < 0.0 ? angle + 360.0 : angle;
    return reduced >= 360.0 ? 0.0 : reduced;  // -1e-20 + 360 rounds to 360
}

PointPx PolarToPx(PointPx centre, double radiusPx, double angleDeg) {
    const double angleRad = angleDeg * kRadiansPerDegree;
    return {centre.x + radiusPx * std::cos(angleRad), centre.y - radiusPx * std::sin(angleRad)};
}

LabelParts EstimateLabelParts(const WheelPoint& point, double sizePx) {
    // In DejaVu Sans an astrological glyph's ink is about 0.8 em square and a
    // position text averages 0.6 em per character; cap height plus descent
    // is about 0.96 em.
    const WheelFontSizes fonts = FontSizesFor(sizePx);
    return {{0.8 * fonts.bodyGlyphPx * std::max(1.0, CodePoints(point.glyph)), 0.8 * fonts.bodyGlyphPx},
            {0.6 * fonts.labelTextPx * CodePoints(point.label), 0.96 * fonts.labelTextPx}};
}

WheelLayout LayOutWheel(const WheelChart& chart, double sizePx, const LabelMeasure& measure) {
    CheckChart(chart, sizePx);
    WheelLayout layout;
    layout.sizePx = sizePx;
    layout.centre = {sizePx / 2.0, sizePx / 2.0};
    const double half = sizePx / 2.0;
    WheelRadii& radii = layout.radii;
    radii.outer = kOuterFraction * half;
    radii.zodiacInner = kZodiacInnerFraction * half;
    radii.tickInner = (kZodiacInnerFraction - kTickFraction) * half;
    radii.houseOuter = kHouseOuterFraction * half;
    radii.aspect = kAspectFraction * half;

    const PointPx centre = layout.centre;
    const double zodiacMidPx = (radii.outer + radii.zodiacInner) / 2.0;
    for (int sign = 0; sign < 12; ++sign) {
        const double start = WheelAngleDeg(30.0 * sign, chart.ascendantDeg);
        layout.signs[sign] = {sign, start, start + 30.0, PolarToPx(centre, zodiacMidPx, start + 15.0)};
    }
    const double houseMidPx = (radii.houseOuter + radii.aspect) / 2.0;
    const double ascendantDeg = engine::ReduceDegrees(chart.ascendantDeg);
    const double partDegree = ascendantDeg - reading::FirstHouseCuspDeg(ascendantDeg);  // [0, 1)
    for (int house = 1; house <= 12; ++house) {
        const double angle = 180.0 + 30.0 * (house - 1) - partDegree;
        layout.cusps[house - 1] = {house, angle, PolarToPx(centre, radii.zodiacInner, angle),
                                   PolarToPx(centre, radii.aspect, angle), PolarToPx(centre, houseMidPx, angle + 15.0)};
    }
    for (auto [line, angle] : {std::pair{&layout.ascendantLine, 180.0}, std::pair{&layout.descendantLine, 0.0}}) {
        *line = {angle, PolarToPx(centre, radii.zodiacInner, angle), PolarToPx(centre, radii.aspect, angle)};
    }
    layout.ascendantAxisEnd = PolarToPx(centre, kAxisEndFraction * half, 180.0);
    const double axisTextPx = FontSizesFor(sizePx).axisTextPx;
    layout.ascendantLabelCentre = {(layout.ascendantAxisEnd.x + centre.x - radii.outer) / 2.0,
                                   centre.y - 0.8 * axisTextPx};

    const std::size_t count = chart.points.size();
    std::vector<double> angleRad(count);
    std::vector<LabelParts> parts(count);
    const double marginPx = kLabelMarginFraction * sizePx;
    const double partGapPx = kLabelPartGapFraction * sizePx;
    const double bandGapPx = kBandGapFraction * sizePx;
    const double bandOuterPx = radii.tickInner - bandGapPx;
    const double bandInnerPx = radii.houseOuter + bandGapPx;
    std::unordered_map<int, std::size_t> indexOf;
    for (std::size_t k = 0; k < count; ++k) {
        const WheelPoint& point = chart.points[k];
        PlacedPoint placed;
        placed.id = point.id;
        placed.angleDeg = WheelAngleDeg(point.longitudeDeg, chart.ascendantDeg);
        placed.zodiacMark = PolarToPx(centre, radii.zodiacInner, placed.angleDeg);
        placed.tickEnd = PolarToPx(centre, radii.tickInner, placed.angleDeg);
        placed.aspectMark = PolarToPx(centre, radii.aspect, placed.angleDeg);
        layout.points.push_back(placed);
        angleRad[k] = placed.angleDeg * kRadiansPerDegree;
        parts[k] = measure(point);
        indexOf[point.id] = k;
    }

    // A label beside its glyph where that is narrower along the ring: within
    // kBesideWithinDeg of the horizon. When that arrangement cannot be
    // placed clear, every label is stacked and placed again; labels too big
    // for the band may at last reach over the house numbers, down to the
    // aspect circle.
    const double padPx = kLabelPadFraction * sizePx;
    std::vector<SizePx> sizes(count);
    std::vector<bool> beside(count);
    std::vector<BoxPx> boxes(count);
    constexpr int kMostTracks = 3;
    bool placed = false;
    const struct {
        bool mayBeside;
        double innerPx;
    } attempts[] = {{true, bandInnerPx}, {false, bandInnerPx}, {false, radii.aspect + bandGapPx}};
    for (const auto& [mayBeside, innerPx] : attempts) {
        for (std::size_t k = 0; k < count && !placed; ++k) {
            const LabelParts& p = parts[k];
            const SizePx stacked{std::max(p.glyph.width, p.text.width) + 2.0 * marginPx,
                                 p.glyph.height + partGapPx + p.text.height + 2.0 * marginPx};
            const SizePx side{p.glyph.width + partGapPx + p.text.width + 2.0 * marginPx,
                              std::max(p.glyph.height, p.text.height) + 2.0 * marginPx};
            beside[k] = mayBeside && std::abs(std::sin(angleRad[k])) < std::sin(kBesideWithinDeg * kRadiansPerDegree) &&
                        side.width < bandOuterPx - innerPx;
            sizes[k] = beside[k] ? side : stacked;
        }
        for (int tracks = 1; tracks <= kMostTracks && !placed; ++tracks) {
            placed = PlaceLabels(angleRad, sizes, centre, innerPx, bandOuterPx, tracks, padPx, boxes);
        }
    }
    if (!placed) {
        PlaceLabels(angleRad, sizes, centre, bandInnerPx, bandOuterPx, 1, padPx, boxes);
        layout.labelsCrowded = true;
    }

    for (std::size_t k = 0; k < count; ++k) {
        PlacedPoint& point = layout.points[k];
        point.label = boxes[k];
        const LabelParts& p = parts[k];
        const BoxPx& box = boxes[k];
        if (beside[k]) {
            // The glyph on the ring's side: right on the wheel's right half.
            const double glyphSide = std::cos(angleRad[k]) >= 0.0 ? 1.0 : -1.0;
            const double innerWidth = box.size.width - 2.0 * marginPx;
            point.glyph = {{box.centre.x + glyphSide * (innerWidth - p.glyph.width) / 2.0, box.centre.y}, p.glyph};
            point.text = {{box.centre.x - glyphSide * (innerWidth - p.text.width) / 2.0, box.centre.y}, p.text};
        } else {
            const double top = box.centre.y - box.size.height / 2.0 + marginPx;
            point.glyph = {{box.centre.x, top + p.glyph.height / 2.0}, p.glyph};
            point.text = {{box.centre.x, top + p.glyph.height + partGapPx + p.text.height / 2.0}, p.text};
        }
        const double trackPx = std::hypot(boxes[k].centre.x - centre.x, boxes[k].centre.y - centre.y);
        point.displaced = !Contains(boxes[k], PolarToPx(centre, trackPx, point.angleDeg));
        if (point.displaced) {
            point.leaderStart = BoxExitToward(boxes[k], point.tickEnd);
            point.leaderEnd = point.tickEnd;
        }
    }

    for (const WheelAspect& aspect : chart.aspects) {
        const PlacedPoint& from = layout.points[indexOf.at(aspect.fromId)];
        const PlacedPoint& to = layout.points[indexOf.at(aspect.toId)];
        layout.aspects.push_back({aspect.fromId, aspect.toId, aspect.kind, from.aspectMark, to.aspectMark});
    }
    return layout;
}

}  // namespace starwise::gui
