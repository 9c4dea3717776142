#include "gui/scaled_design.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStackedWidget>
#include <cmath>

namespace starwise::gui {
namespace {

QFont ScaledFont(QFont font, double factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    }
    return font;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int measure = QProxyStyle::pixelMetric(metric, option, widget);
    if (measure <= 0 || factor_ == 1.0) return measure;
    return std::max(1, Round(measure * factor_));
}

QRect ScaledStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_TabWidgetTabContents || factor_ == 1.0) return rect;
    const QRect pane = QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget);
    const auto scaled = [this](int inset) { return inset > 0 ? std::max(1, Round(inset * factor_)) : inset; };
    return pane.adjusted(scaled(rect.left() - pane.left()), scaled(rect.top() - pane.top()),
                         -scaled(pane.right() - rect.right()), -scaled(pane.bottom() - rect.bottom()));
}

ScaledDesign::ScaledDesign() : style_(std::make_unique<ScaledStyle>()) {}

ScaledDesign::~ScaledDesign() {
    // The widgets outlive this object (they are destroyed with their
    // window, after its members): hand them back to the application's style.
    if (root_) {
        for (QWidget* widget : root_->findChildren<QWidget*>()) widget->setStyle(nullptr);
        root_->setStyle(nullptr);
    }
}

void ScaledDesign::Record(QWidget* root) {
    root_ = root;
    designSize_ = root->size();
    rootFont_ = root->font();
    controls_.clear();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        const bool placed = qobject_cast<QStackedWidget*>(widget->parentWidget()) == nullptr;
        const bool ownFont = widget->testAttribute(Qt::WA_SetFont);
        controls_.push_back({widget, placed, widget->geometry(), ownFont, widget->font()});
    }
    factor_ = 1.0;
    style_->SetFactor(1.0);
    root->setStyle(style_.get());
    for (QWidget* widget : root->findChildren<QWidget*>()) widget->setStyle(style_.get());
}

double ScaledDesign::SmallestDesignPointSize() const {
    double smallest = rootFont_.pointSizeF() > 0 ? rootFont_.pointSizeF() : 0.0;
    for (const Control& control : controls_) {
        const double size = control.ownFont ? control.font.pointSizeF() : 0.0;
        if (size > 0 && (smallest == 0.0 || size < smallest)) smallest = size;
    }
    return smallest;
}

int ScaledDesign::Scaled(int designPixels) const { return Round(designPixels * factor_); }

void ScaledDesign::Apply(double factor) {
    if (!root_ || !(factor > 0.0)) return;
    factor_ = factor;
    style_->SetFactor(factor);
    root_->setFont(ScaledFont(rootFont_, factor));
    root_->setFixedSize(Round(designSize_.width() * factor), Round(designSize_.height() * factor));
    for (const Control& control : controls_) {
        if (!control.widget) continue;
        if (control.ownFont) control.widget->setFont(ScaledFont(control.font, factor));
        if (!control.placed) continue;
        const QRect& g = control.geometry;
        const int left = Round(g.x() * factor);
        const int top = Round(g.y() * factor);
        const int right = Round((g.x() + g.width()) * factor);
        const int bottom = Round((g.y() + g.height()) * factor);
        control.widget->setGeometry(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
    }
    // Every widget measures itself again with the style's new measures.
    QList<QWidget*> widgets = root_->findChildren<QWidget*>();
    widgets.prepend(root_);
    for (QWidget* widget : widgets) {
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &changed);
    }
}

}  // namespace starwise::gui
