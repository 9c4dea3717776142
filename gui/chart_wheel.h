// The chart wheel drawn with QPainter, into a widget, a PDF, an SVG or an
// image alike. Everything is drawn as vectors and text, so it stays sharp at
// any size and device scale.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "chart/wheel_layout.h"

class QPainter;

namespace starwise::gui {

// Colours and line styles of the wheel. The element colours are those of
// the sign pictures (gui/pictures): the ring's sectors are tinted with
// them and the sign glyphs drawn in a deeper shade of them.
struct WheelStyle {
    QColor background{0xff, 0xfd, 0xf8};  // inside the outer ring
    QColor ink{0x1c, 0x25, 0x41};         // rings, axis, bodies' glyphs
    QColor labelText{0x3a, 0x44, 0x5c};   // position texts and house numbers
    QColor cuspLine{0x9a, 0xa3, 0xb5};    // house cusps
    QColor leaderLine{0x6b, 0x75, 0x8c};  // from a displaced label to its tick
    QColor fire{0xff, 0x7a, 0x3c};
    QColor earth{0x9c, 0xc7, 0x48};
    QColor air{0xff, 0xd2, 0x3f};
    QColor water{0x4a, 0xa8, 0xff};
    QColor quincunx{0x8e, 0x44, 0xad};
    QColor semiSextile{0x1f, 0x8a, 0x70};
    Qt::PenStyle quincunxDash = Qt::DashLine;
    Qt::PenStyle semiSextileDash = Qt::DotLine;
    QString fontFamily = QStringLiteral("DejaVu Sans");  // holds every astrological glyph the wheel uses
    // Letters and glyphs as filled outlines rather than text: for SVG and
    // HTML, which are shown where that font may be missing.
    bool textAsPaths = false;
    // No text smaller than this, in the painter's logical pixels, however
    // small the wheel: the labels then take a larger share of it. 0: every
    // text in proportion to the wheel.
    double minimumTextPx = 0.0;
};

// The sizes, in the painter's logical pixels, of the wheel's texts drawn in
// a square sidePx wide with the style.
WheelFontSizes WheelTextSizes(double sidePx, const WheelStyle& style);

// Draws the wheel as large as fits, centred in area (logical coordinates of
// the painter). The painter's state is left as it was found. Throws
// std::invalid_argument for a chart LayOutWheel refuses.
void PaintChartWheel(QPainter& painter, const QRectF& area, const WheelChart& chart, const WheelStyle& style);

// A widget that shows one chart's wheel, square, scaled to the widget.
class ChartWheelWidget : public QWidget {
    Q_OBJECT

public:
    explicit ChartWheelWidget(QWidget* parent = nullptr);

    // Throws std::invalid_argument for a chart LayOutWheel refuses, and then
    // keeps the chart it had.
    void setChart(WheelChart chart);
    const WheelChart& chart() const { return chart_; }
    void setWheelStyle(const WheelStyle& style);

    // The smallest of its texts at its present size, points.
    double SmallestTextPoints() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The style with the smallest text the widget draws: 9 points.
    WheelStyle styleOnScreen() const;

    WheelChart chart_;
    WheelStyle style_;
};

}  // namespace starwise::gui
