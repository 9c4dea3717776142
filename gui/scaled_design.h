// A window laid out at one size, drawn at any: remembers the layout size
// of a window and the layout geometry and font of each control placed on
// it, and sets them all to one uniform scale of the design, so boxes, texts
// and gaps keep their proportions. The style's own measures (scroll bars,
// tab rows, frames, margins) scale with them.
#pragma once

#include <QFont>
#include <QPointer>
#include <QProxyStyle>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <memory>
#include <vector>

namespace starwise::gui {

// The application's style with every pixel measure times a factor (a
// measure above zero stays at least one pixel).
class ScaledStyle final : public QProxyStyle {
public:
    void SetFactor(double factor) { factor_ = factor; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // The tab pages' inset from the pane, which the base style keeps at a
    // fixed width, scaled likewise.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;

private:
    double factor_ = 1.0;
};

class ScaledDesign {
public:
    ScaledDesign();
    ~ScaledDesign();

    // Records root's current size and, for every named control below it,
    // its geometry (unless a stacked widget places it, as a tab's page) and
    // its own font, if it has one. Qt's inner parts of compound controls
    // (names starting "qt_") are left to their owners. Every widget from
    // root down draws with a ScaledStyle. Call once, when the window is
    // built at its layout size.
    void Record(QWidget* root);

    // Sets root and the recorded controls to factor times their design
    // (factor > 0): positions and sizes edge by edge, rounded to whole
    // pixels, so neighbours stay flush; font sizes in points; the style's
    // measures.
    void Apply(double factor);

    QSize DesignSize() const { return designSize_; }
    // The smallest point size among the recorded fonts (root's and the
    // controls' own) at scale 1; 0 when none is given in points.
    double SmallestDesignPointSize() const;
    double Factor() const { return factor_; }

    // A layout length at the current scale, whole pixels.
    int Scaled(int designPixels) const;

private:
    struct Control {
        QPointer<QWidget> widget;
        bool placed;  // its geometry is the design's, not its parent's choice
        QRect geometry;
        bool ownFont;
        QFont font;
    };
    // Declared first, so it outlives the pointers below; the widgets hold
    // it through guarded pointers and fall back to the application's style
    // should it go first.
    std::unique_ptr<ScaledStyle> style_;
    QPointer<QWidget> root_;
    QSize designSize_;
    QFont rootFont_;
    std::vector<Control> controls_;
    double factor_ = 1.0;
};

}  // namespace starwise::gui
