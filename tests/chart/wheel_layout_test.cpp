#include "chart/wheel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

#include "reading/house_placement.h"

namespace starwise::gui {
namespace {

constexpr double kAngleToleranceDeg = 1e-9;
constexpr double kPositionTolerancePx = 1e-9;
constexpr double kSizePx = 1000.0;
constexpr int kRandomCharts = 1000;

// Smallest difference between two angles in degrees, wrap-around aware (0..180).
double AngleDiffDeg(double a, double b) {
    const double diff = std::fmod(std::abs(a - b), 360.0);
    return diff > 180.0 ? 360.0 - diff : diff;
}

// Wheel angle of a point as seen on screen: counter-clockwise from the
// right, y growing downwards.
double ScreenAngleDeg(PointPx centre, PointPx point) {
    return std::atan2(centre.y - point.y, point.x - centre.x) * 180.0 / 3.14159265358979323846;
}

double DistancePx(PointPx a, PointPx b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Two boxes overlap when they overlap on both axes.
bool Overlap(const BoxPx& a, const BoxPx& b) {
    return 2.0 * std::abs(a.centre.x - b.centre.x) < a.size.width + b.size.width &&
           2.0 * std::abs(a.centre.y - b.centre.y) < a.size.height + b.size.height;
}

bool Inside(const BoxPx& part, const BoxPx& box) {
    return 2.0 * std::abs(part.centre.x - box.centre.x) + part.size.width <= box.size.width + kPositionTolerancePx &&
           2.0 * std::abs(part.centre.y - box.centre.y) + part.size.height <= box.size.height + kPositionTolerancePx;
}

std::string Describe(const WheelChart& chart) {
    std::ostringstream out;
    out << "ascendant " << chart.ascendantDeg << ", longitudes";
    for (const WheelPoint& point : chart.points) out << ' ' << point.longitudeDeg;
    return out.str();
}

WheelChart ChartAt(double ascendantDeg, const std::vector<double>& longitudesDeg) {
    WheelChart chart{ascendantDeg, {}, {}};
    for (std::size_t k = 0; k < longitudesDeg.size(); ++k) {
        chart.points.push_back({static_cast<int>(k), std::string(kBodyGlyphs[k % 12]), "05 Leo 41", longitudesDeg[k]});
    }
    return chart;
}

LabelParts Estimate(const WheelPoint& point) { return EstimateLabelParts(point, kSizePx); }

// Ten bodies and two opposite nodes, in one of four arrangements: spread at
// random, five to eight bodies within 10 degrees, all twelve within 40
// degrees, or two tight clusters on opposite sides.
WheelChart RandomChart(std::mt19937_64& random, int arrangement) {
    std::uniform_real_distribution<double> anywhere(0.0, 360.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double base = anywhere(random);
    std::vector<double> longitudes(12);
    const int clustered = 5 + static_cast<int>(unit(random) * 4.0);
    for (int k = 0; k < 12; ++k) {
        switch (arrangement) {
            case 0: longitudes[k] = anywhere(random); break;
            case 1: longitudes[k] = k < clustered ? base + 10.0 * unit(random) : anywhere(random); break;
            case 2: longitudes[k] = base + 40.0 * unit(random); break;
            default: longitudes[k] = base + (k % 2) * 180.0 + 8.0 * unit(random); break;
        }
    }
    if (arrangement != 2) longitudes[11] = longitudes[10] + 180.0;  // the south node faces the north node
    return ChartAt(anywhere(random), longitudes);
}

struct MarkCase {
    double ascendantDeg;
    double longitudeDeg;
    double expectedAngleDeg;  // 180 + longitude - ascendant, counter-clockwise
};

TEST(WheelLayout, MarksSitAtTheirLongitudeFromTheAscendant) {
    const MarkCase cases[] = {
        {0.0, 0.0, 180.0},      // the Ascendant's own degree: left
        {100.0, 190.0, 270.0},  // a quarter turn on: bottom
        {100.0, 10.0, 90.0},    // a quarter turn back: top
        {100.0, 280.0, 0.0},    // the Descendant: right
        {350.0, 10.0, 200.0},   // across 0 Aries
        {10.0, 350.0, 160.0},
        {45.0, 765.0, 180.0},   // any turn of the same longitude
        {0.0, -30.0, 150.0},
    };
    for (const MarkCase& c : cases) {
        const WheelChart chart = ChartAt(c.ascendantDeg, {c.longitudeDeg});
        const WheelLayout layout = LayOutWheel(chart, kSizePx, Estimate);
        const PlacedPoint& point = layout.points.at(0);
        SCOPED_TRACE(testing::Message() << Describe(chart) << ": expected " << c.expectedAngleDeg);
        EXPECT_LE(AngleDiffDeg(point.angleDeg, c.expectedAngleDeg), kAngleToleranceDeg) << point.angleDeg;
        const struct {
            PointPx at;
            double radiusPx;
        } marks[] = {{point.zodiacMark, layout.radii.zodiacInner},
                     {point.tickEnd, layout.radii.tickInner},
                     {point.aspectMark, layout.radii.aspect}};
        for (const auto& mark : marks) {
            const double actual = ScreenAngleDeg(layout.centre, mark.at);
            EXPECT_LE(AngleDiffDeg(actual, c.expectedAngleDeg), kAngleToleranceDeg) << actual;
            EXPECT_NEAR(DistancePx(layout.centre, mark.at), mark.radiusPx, kPositionTolerancePx);
        }
    }
}

TEST(WheelLayout, AscendantOnTheLeftHousesAndSignsRunCounterClockwise) {
    for (const double ascendant : {0.0, 123.4, 359.9}) {
        SCOPED_TRACE(testing::Message() << "ascendant " << ascendant);
        const WheelLayout layout = LayOutWheel(ChartAt(ascendant, {}), kSizePx, Estimate);
        // The horizon at the exact Ascendant; the houses from its whole degree.
        EXPECT_LT(layout.ascendantLine.outer.x, layout.centre.x);
        EXPECT_NEAR(layout.ascendantLine.outer.y, layout.centre.y, kPositionTolerancePx);
        EXPECT_NEAR(layout.descendantLine.inner.y, layout.centre.y, kPositionTolerancePx);
        const double partDegree = ascendant - std::floor(ascendant);
        for (const HouseCusp& cusp : layout.cusps) {
            const double expected = 180.0 + 30.0 * (cusp.house - 1) - partDegree;
            EXPECT_LE(AngleDiffDeg(ScreenAngleDeg(layout.centre, cusp.outer), expected), kAngleToleranceDeg)
                << "house " << cusp.house;
            // Houses 1 to 6 lie below the horizon, 7 to 12 above it.
            EXPECT_EQ(cusp.numberCentre.y > layout.centre.y, cusp.house <= 6) << "house " << cusp.house;
        }
        for (const SignSector& sector : layout.signs) {
            const double expected = 180.0 + 30.0 * sector.sign - ascendant;
            EXPECT_LE(AngleDiffDeg(sector.startAngleDeg, expected), kAngleToleranceDeg) << "sign " << sector.sign;
        }
    }
}

// The house a mark is drawn in: the one whose sector, from its cusp 30
// degrees counter-clockwise, holds the mark's wheel angle.
int DrawnHouse(const WheelLayout& layout, double angleDeg) {
    for (const HouseCusp& cusp : layout.cusps) {
        const double into = std::fmod(angleDeg - cusp.angleDeg + 720.0, 360.0);
        if (into < 30.0) return cusp.house;
    }
    return 0;
}

TEST(WheelLayout, EveryBodyIsDrawnInTheHouseTheReadingListsItIn) {
    // São Paulo, 15 July 1980 06:30: Ascendant 17 Can 29, Mercury 17 Can 24,
    // listed in the first house (issue report); then bodies a millionth of
    // a degree either side of each cusp, then random charts.
    std::vector<WheelChart> charts{ChartAt(107.0 + 29.0 / 60.0, {107.0 + 24.0 / 60.0})};
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> anywhere(0.0, 360.0);
    constexpr double kBesideCuspDeg = 1e-6;
    for (int k = 0; k < kRandomCharts; ++k) {
        WheelChart chart = RandomChart(random, k % 4);
        const double cusp = std::floor(chart.ascendantDeg) + 30.0 * (k % 12);
        chart.points[0].longitudeDeg = std::fmod(cusp + kBesideCuspDeg, 360.0);
        chart.points[1].longitudeDeg = std::fmod(cusp + 360.0 - kBesideCuspDeg, 360.0);
        charts.push_back(std::move(chart));
    }
    for (const WheelChart& chart : charts) {
        const WheelLayout layout = LayOutWheel(chart, kSizePx, Estimate);
        const int ascendantIndex = reading::DegreeIndexOf(chart.ascendantDeg);
        for (std::size_t k = 0; k < chart.points.size(); ++k) {
            const double longitude = std::fmod(chart.points[k].longitudeDeg + 720.0, 360.0);
            const int listed = reading::HouseOf(reading::DegreeIndexOf(longitude), ascendantIndex);
            ASSERT_EQ(DrawnHouse(layout, layout.points[k].angleDeg), listed)
                << Describe(chart) << ": point " << k << " at " << longitude;
        }
    }
}

TEST(WheelLayout, LabelsNeverOverlapAndStayBetweenTheRings) {
    std::mt19937_64 random{20261208};
    std::uniform_real_distribution<double> scale(0.85, 1.15);
    for (int n = 0; n < kRandomCharts; ++n) {
        const WheelChart chart = RandomChart(random, n % 4);
        // Boxes of slightly different sizes, as different texts measure.
        std::vector<double> scales(chart.points.size());
        for (double& s : scales) s = scale(random);
        const WheelLayout layout = LayOutWheel(chart, kSizePx, [&](const WheelPoint& point) {
            LabelParts parts = Estimate(point);
            parts.text.width *= scales[point.id];
            return parts;
        });
        SCOPED_TRACE(testing::Message() << "chart " << n << ": " << Describe(chart));
        ASSERT_FALSE(layout.labelsCrowded);
        for (std::size_t a = 0; a < layout.points.size(); ++a) {
            const PlacedPoint& p = layout.points[a];
            const BoxPx& box = p.label;
            const double farthest = std::hypot(std::abs(box.centre.x - layout.centre.x) + box.size.width / 2.0,
                                               std::abs(box.centre.y - layout.centre.y) + box.size.height / 2.0);
            EXPECT_LT(farthest, layout.radii.tickInner) << "label " << p.id << " crosses the bodies' ticks";
            const double nearest =
                std::hypot(std::max(0.0, std::abs(box.centre.x - layout.centre.x) - box.size.width / 2.0),
                           std::max(0.0, std::abs(box.centre.y - layout.centre.y) - box.size.height / 2.0));
            EXPECT_GT(nearest, layout.radii.houseOuter) << "label " << p.id << " over the house numbers";
            if (p.displaced) {
                EXPECT_NEAR(DistancePx(p.leaderEnd, p.tickEnd), 0.0, kPositionTolerancePx) << "label " << p.id;
            }
            // The glyph and the text share the label's box without touching.
            EXPECT_FALSE(Overlap(p.glyph, p.text)) << "label " << p.id;
            EXPECT_TRUE(Inside(p.glyph, box) && Inside(p.text, box)) << "label " << p.id;
            for (std::size_t b = a + 1; b < layout.points.size(); ++b) {
                const BoxPx& other = layout.points[b].label;
                ASSERT_FALSE(Overlap(box, other))
                    << "labels " << p.id << " and " << layout.points[b].id << " at (" << box.centre.x << ", "
                    << box.centre.y << ") and (" << other.centre.x << ", " << other.centre.y << ")";
            }
        }
    }
}

TEST(WheelLayout, EachAspectLineJoinsTheMarksOfItsPair) {
    std::mt19937_64 random{7};
    std::uniform_int_distribution<int> body(0, 11);
    for (int n = 0; n < 50; ++n) {
        WheelChart chart = RandomChart(random, n % 4);
        for (int k = 0; k < 6; ++k) {
            const int from = body(random);
            const int to = (from + 1 + body(random) % 11) % 12;
            chart.aspects.push_back({from, to, k % 2 ? WheelAspect::SemiSextile : WheelAspect::Quincunx});
        }
        const WheelLayout layout = LayOutWheel(chart, kSizePx, Estimate);
        SCOPED_TRACE(Describe(chart));
        ASSERT_EQ(layout.aspects.size(), chart.aspects.size());
        for (std::size_t k = 0; k < chart.aspects.size(); ++k) {
            const WheelAspect& aspect = chart.aspects[k];
            const AspectLine& line = layout.aspects[k];
            EXPECT_EQ(line.kind, aspect.kind);
            EXPECT_NEAR(DistancePx(line.from, layout.points[aspect.fromId].aspectMark), 0.0, kPositionTolerancePx)
                << "aspect " << aspect.fromId << "-" << aspect.toId;
            EXPECT_NEAR(DistancePx(line.to, layout.points[aspect.toId].aspectMark), 0.0, kPositionTolerancePx)
                << "aspect " << aspect.fromId << "-" << aspect.toId;
        }
    }
}

TEST(WheelLayout, RefusesChartsItCannotDraw) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    WheelChart twins = ChartAt(0.0, {10.0, 20.0});
    twins.points[1].id = 0;
    WheelChart stray = ChartAt(0.0, {10.0, 20.0});
    stray.aspects.push_back({0, 5, WheelAspect::Quincunx});
    const struct {
        const char* name;
        WheelChart chart;
        double sizePx;
    } cases[] = {
        {"no size", ChartAt(0.0, {10.0}), 0.0},
        {"longitude not a number", ChartAt(0.0, {nan}), kSizePx},
        {"Ascendant not a number", ChartAt(nan, {10.0}), kSizePx},
        {"two points with one id", twins, kSizePx},
        {"aspect to a missing point", stray, kSizePx},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(LayOutWheel(c.chart, c.sizePx, Estimate), std::invalid_argument) << c.name;
    }
}

}  // namespace
}  // namespace starwise::gui
