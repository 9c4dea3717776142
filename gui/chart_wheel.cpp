#include "gui/chart_wheel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

namespace starwise::gui {
namespace {

// The wheel is laid out and drawn in a square of this many units, then
// scaled to the area; fonts are given in the same units.
constexpr double kFrameUnits = 1000.0;

// Line widths and small sizes, in frame units.
constexpr double kRingLine = 2.2;
constexpr double kThinLine = 1.0;
constexpr double kLeaderLine = 1.3;
constexpr double kAxisLine = 3.0;
constexpr double kAspectLine = 2.6;
constexpr double kTickLine = 2.4;
constexpr double kMarkRadius = 4.0;
constexpr double kArrowLength = 14.0;
constexpr double kLabelCornerRadius = 6.0;
// Degree ticks on the zodiac ring, as lengths in frame units.
constexpr double kDegreeTick = 7.0;
constexpr double kFiveDegreeTick = 12.0;
constexpr double kTenDegreeTick = 18.0;
// Smallest text of the wheel on screen, points.
constexpr double kSmallestTextPoints = 9.0;
constexpr double kPointsPerInch = 72.0;
// Alpha of the element tint filling a sign's sector.
constexpr int kSectorTintAlpha = 70;
// How much deeper than the tint a sign's glyph is drawn (QColor::darker).
constexpr int kGlyphDarkerPercent = 145;

QPointF ToQt(PointPx point) { return {point.x, point.y}; }

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont WheelFont(const WheelStyle& style, double pixelSize, bool bold = false) {
    QFont font(style.fontFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    // Unhinted outlines keep the measured boxes true at every scale.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor ElementColour(const WheelStyle& style, int sign) {
    switch (sign % 4) {
        case 0: return style.fire;
        case 1: return style.earth;
        case 2: return style.air;
        default: return style.water;
    }
}

QRectF CircleRect(PointPx centre, double radius) {
    return {centre.x - radius, centre.y - radius, 2.0 * radius, 2.0 * radius};
}

// Text with its baseline starting at origin: as text, or as filled outlines
// when the style asks for drawings that need no font where they are shown.
void DrawTextAt(QPainter& painter, const WheelStyle& style, QPointF origin, const QFont& font, const QString& text,
                const QColor& colour) {
    if (style.textAsPaths) {
        QPainterPath path;
        path.addText(origin, font, text);
        painter.fillPath(path, colour);
        return;
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(origin, text);
}

// A glyph centred on its ink.
void DrawGlyph(QPainter& painter, const WheelStyle& style, PointPx centre, const QFont& font, const QString& glyph,
               const QColor& colour) {
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(glyph);
    DrawTextAt(painter, style, QPointF(centre.x, centre.y) - ink.center(), font, glyph, colour);
}

// A line of text centred on its advance and cap height, so that lines of
// one font share their baseline whatever their letters.
void DrawTextLine(QPainter& painter, const WheelStyle& style, PointPx centre, const QFont& font, const QString& text,
                  const QColor& colour) {
    const QFontMetricsF metrics(font);
    DrawTextAt(painter, style,
               QPointF(centre.x - metrics.horizontalAdvance(text) / 2.0, centre.y + metrics.capHeight() / 2.0), font,
               text, colour);
}

struct LabelFonts {
    QFont glyph;
    QFont text;
};

// The glyph's ink; the text's advance by cap height plus descent, the box
// DrawTextLine centres (the descent leaves room for "q" and "g").
LabelParts MeasureLabel(const LabelFonts& fonts, const WheelPoint& point) {
    const QFontMetricsF glyphMetrics(fonts.glyph);
    const QFontMetricsF textMetrics(fonts.text);
    const QRectF ink = glyphMetrics.tightBoundingRect(FromUtf8(point.glyph));
    return {{ink.width(), ink.height()},
            {textMetrics.horizontalAdvance(FromUtf8(point.label)), textMetrics.capHeight() + textMetrics.descent()}};
}

void DrawZodiacRing(QPainter& painter, const WheelLayout& layout, const WheelStyle& style, const WheelChart& chart,
                    const WheelFontSizes& sizes) {
    const WheelRadii& radii = layout.radii;
    const QRectF outer = CircleRect(layout.centre, radii.outer);
    const QRectF inner = CircleRect(layout.centre, radii.zodiacInner);
    const QFont glyphFont = WheelFont(style, sizes.signGlyphPx);
    for (const SignSector& sector : layout.signs) {
        QPainterPath path;
        path.arcMoveTo(outer, sector.startAngleDeg);
        path.arcTo(outer, sector.startAngleDeg, 30.0);
        path.arcTo(inner, sector.endAngleDeg, -30.0);
        path.closeSubpath();
        QColor tint = ElementColour(style, sector.sign);
        tint.setAlpha(kSectorTintAlpha);
        painter.fillPath(path, tint);

        painter.setPen(QPen(style.ink, kThinLine));
        painter.drawLine(ToQt(PolarToPx(layout.centre, radii.outer, sector.startAngleDeg)),
                         ToQt(PolarToPx(layout.centre, radii.zodiacInner, sector.startAngleDeg)));
        DrawGlyph(painter, style, sector.glyphCentre, glyphFont,
                  FromUtf8(kSignGlyphs[static_cast<std::size_t>(sector.sign)]),
                  ElementColour(style, sector.sign).darker(kGlyphDarkerPercent));
    }

    // A scale of degrees on the ring's inner edge.
    painter.setPen(QPen(style.ink, kThinLine));
    for (int degree = 0; degree < 360; ++degree) {
        const double length = degree % 10 == 0 ? kTenDegreeTick : degree % 5 == 0 ? kFiveDegreeTick : kDegreeTick;
        const double angle = WheelAngleDeg(degree, chart.ascendantDeg);
        painter.drawLine(ToQt(PolarToPx(layout.centre, radii.zodiacInner, angle)),
                         ToQt(PolarToPx(layout.centre, radii.zodiacInner + length, angle)));
    }
}

void DrawHouses(QPainter& painter, const WheelLayout& layout, const WheelStyle& style, const WheelFontSizes& sizes) {
    painter.setPen(QPen(style.cuspLine, kThinLine));
    // Every cusp, the first and seventh too: they stand up to a degree from
    // the horizon's line, which is drawn on top.
    for (const HouseCusp& cusp : layout.cusps) painter.drawLine(ToQt(cusp.outer), ToQt(cusp.inner));
    const QFont font = WheelFont(style, sizes.houseNumberPx);
    for (const HouseCusp& cusp : layout.cusps) {
        DrawTextLine(painter, style, cusp.numberCentre, font, QString::number(cusp.house), style.labelText);
    }
}

void DrawAxis(QPainter& painter, const WheelLayout& layout, const WheelStyle& style, const WheelFontSizes& sizes) {
    const AxisLine& ascendant = layout.ascendantLine;
    const AxisLine& descendant = layout.descendantLine;
    painter.setPen(QPen(style.ink, kAxisLine, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ToQt(ascendant.outer), ToQt(ascendant.inner));
    painter.drawLine(ToQt(descendant.outer), ToQt(descendant.inner));
    // The Ascendant's side continues past the ring to an arrow.
    const QPointF ringEdge = ToQt(PolarToPx(layout.centre, layout.radii.outer, ascendant.angleDeg));
    const QPointF tip = ToQt(layout.ascendantAxisEnd);
    painter.drawLine(ringEdge, tip + QPointF(kArrowLength * 0.6, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.ink);
    painter.drawPolygon(QPolygonF({tip, tip + QPointF(kArrowLength, -kArrowLength * 0.45),
                                   tip + QPointF(kArrowLength, kArrowLength * 0.45)}));
    painter.setBrush(Qt::NoBrush);
    // Kept inside the square when its smallest size makes it wider than the
    // margin it was laid out for.
    const QFont axisFont = WheelFont(style, sizes.axisTextPx, true);
    const QString asc = QStringLiteral("Asc");
    PointPx at = layout.ascendantLabelCentre;
    at.x = std::max(at.x, QFontMetricsF(axisFont).horizontalAdvance(asc) / 2.0 + kThinLine);
    DrawTextLine(painter, style, at, axisFont, asc, style.ink);
}

void DrawAspects(QPainter& painter, const WheelLayout& layout, const WheelStyle& style) {
    for (const AspectLine& line : layout.aspects) {
        const bool quincunx = line.kind == WheelAspect::Quincunx;
        painter.setPen(QPen(quincunx ? style.quincunx : style.semiSextile, kAspectLine,
                            quincunx ? style.quincunxDash : style.semiSextileDash, Qt::RoundCap));
        painter.drawLine(ToQt(line.from), ToQt(line.to));
    }
}

void DrawPoints(QPainter& painter, const WheelLayout& layout, const WheelChart& chart, const WheelStyle& style,
                const LabelFonts& fonts) {
    // Ticks, marks and leaders first, so the labels sit on top of them.
    for (const PlacedPoint& point : layout.points) {
        painter.setPen(QPen(style.ink, kTickLine, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(ToQt(point.zodiacMark), ToQt(point.tickEnd));
        if (point.displaced) {
            painter.setPen(QPen(style.leaderLine, kLeaderLine));
            painter.drawLine(ToQt(point.leaderStart), ToQt(point.leaderEnd));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.ink);
        painter.drawEllipse(ToQt(point.aspectMark), kMarkRadius, kMarkRadius);
        painter.setBrush(Qt::NoBrush);
    }

    for (std::size_t k = 0; k < layout.points.size(); ++k) {
        const PlacedPoint& point = layout.points[k];
        const BoxPx& box = point.label;
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.background);
        painter.drawRoundedRect(QRectF(box.centre.x - box.size.width / 2.0, box.centre.y - box.size.height / 2.0,
                                       box.size.width, box.size.height),
                                kLabelCornerRadius, kLabelCornerRadius);
        painter.setBrush(Qt::NoBrush);
        DrawGlyph(painter, style, point.glyph.centre, fonts.glyph, FromUtf8(chart.points[k].glyph), style.ink);
        // The text box is cap height plus descent; its line centres on the
        // cap height alone.
        const double descent = QFontMetricsF(fonts.text).descent();
        DrawTextLine(painter, style, {point.text.centre.x, point.text.centre.y - descent / 2.0}, fonts.text,
                     FromUtf8(chart.points[k].label), style.labelText);
    }
}

// The font sizes in frame units for a wheel drawn sidePx wide: in
// proportion, raised to the style's smallest text, whole units as
// WheelFont sets them.
WheelFontSizes FrameFontSizes(double sidePx, const WheelStyle& style) {
    WheelFontSizes sizes = FontSizesFor(kFrameUnits);
    const double floor = std::ceil(style.minimumTextPx * kFrameUnits / sidePx);
    for (double* size : {&sizes.signGlyphPx, &sizes.bodyGlyphPx, &sizes.labelTextPx, &sizes.houseNumberPx,
                         &sizes.axisTextPx}) {
        *size = std::max({std::round(*size), floor, 1.0});
    }
    return sizes;
}

}  // namespace

WheelFontSizes WheelTextSizes(double sidePx, const WheelStyle& style) {
    WheelFontSizes sizes = FrameFontSizes(sidePx, style);
    const double toPixels = sidePx / kFrameUnits;
    for (double* size : {&sizes.signGlyphPx, &sizes.bodyGlyphPx, &sizes.labelTextPx, &sizes.houseNumberPx,
                         &sizes.axisTextPx}) {
        *size *= toPixels;
    }
    return sizes;
}

void PaintChartWheel(QPainter& painter, const QRectF& area, const WheelChart& chart, const WheelStyle& style) {
    const double side = std::min(area.width(), area.height());
    if (!(side > 0.0)) return;  // nothing to draw into

    const WheelFontSizes sizes = FrameFontSizes(side, style);
    const LabelFonts fonts{WheelFont(style, sizes.bodyGlyphPx), WheelFont(style, sizes.labelTextPx)};
    const WheelLayout layout =
        LayOutWheel(chart, kFrameUnits, [&fonts](const WheelPoint& point) { return MeasureLabel(fonts, point); });
    const WheelRadii& radii = layout.radii;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.center().x() - side / 2.0, area.center().y() - side / 2.0);
    painter.scale(side / kFrameUnits, side / kFrameUnits);

    painter.setPen(Qt::NoPen);
    painter.setBrush(style.background);
    painter.drawEllipse(CircleRect(layout.centre, radii.outer));
    painter.setBrush(Qt::NoBrush);

    DrawZodiacRing(painter, layout, style, chart, sizes);
    DrawHouses(painter, layout, style, sizes);
    painter.setPen(QPen(style.ink, kRingLine));
    for (double radius : {radii.outer, radii.zodiacInner, radii.houseOuter, radii.aspect}) {
        painter.drawEllipse(CircleRect(layout.centre, radius));
    }
    DrawAspects(painter, layout, style);
    DrawAxis(painter, layout, style, sizes);
    DrawPoints(painter, layout, chart, style, fonts);
    painter.restore();
}

ChartWheelWidget::ChartWheelWidget(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ChartWheelWidget::setChart(WheelChart chart) {
    // Lay it out once here, so a bad chart is refused now rather than
    // thrown out of a paint event.
    LayOutWheel(chart, kFrameUnits, [](const WheelPoint& point) { return EstimateLabelParts(point, kFrameUnits); });
    chart_ = std::move(chart);
    update();
}

void ChartWheelWidget::setWheelStyle(const WheelStyle& style) {
    style_ = style;
    update();
}

// Below about 360 pixels the labels at their smallest take much of the ring.
QSize ChartWheelWidget::minimumSizeHint() const { return {360, 360}; }
QSize ChartWheelWidget::sizeHint() const { return {640, 640}; }

WheelStyle ChartWheelWidget::styleOnScreen() const {
    WheelStyle style = style_;
    style.minimumTextPx = std::max(style.minimumTextPx, kSmallestTextPoints * logicalDpiY() / kPointsPerInch);
    return style;
}

double ChartWheelWidget::SmallestTextPoints() const {
    const double side = std::min(width(), height());
    if (!(side > 0.0)) return 0.0;
    const WheelFontSizes sizes = WheelTextSizes(side, styleOnScreen());
    const double smallestPx = std::min({sizes.signGlyphPx, sizes.bodyGlyphPx, sizes.labelTextPx, sizes.houseNumberPx,
                                        sizes.axisTextPx});
    return smallestPx * kPointsPerInch / logicalDpiY();
}

void ChartWheelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChartWheel(painter, QRectF(rect()), chart_, styleOnScreen());
}

}  // namespace starwise::gui
