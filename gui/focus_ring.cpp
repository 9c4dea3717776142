#include "gui/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPen>

namespace starwise::gui {
namespace {

// Line width and its distance outside the control, logical pixels.
constexpr int kRingWidth = 2;
constexpr int kRingGap = 1;
constexpr int kRingOutset = kRingWidth + kRingGap;

}  // namespace

FocusRing::FocusRing(QWidget* window, const QColor& colour) : QWidget(window), window_(window), colour_(colour) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused) {
    if (target_) target_->removeEventFilter(this);
    const bool ours = focused && window_ && focused != window_ && window_->isAncestorOf(focused) &&
                      focused->parentWidget() != nullptr;
    target_ = ours ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    // Moves, resizes and hides of the control move the ring with it.
    target_->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    QWidget* parent = target_->parentWidget();
    if (parentWidget() != parent) setParent(parent);
    // Outside the control where there is room, on its edge where it fills its parent.
    setGeometry(target_->geometry().adjusted(-kRingOutset, -kRingOutset, kRingOutset, kRingOutset) & parent->rect());
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide: place(); break;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const double half = kRingWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace starwise::gui
