// A ring drawn round whichever control of a window has the keyboard focus,
// clearer than the style's own hint: a two-pixel line a little outside the
// control, over its neighbours, never taking a click.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace starwise::gui {

class FocusRing : public QWidget {
    Q_OBJECT

public:
    // Follows the focus within window (and the windows inside it) for as
    // long as window lives; the ring is window's child.
    explicit FocusRing(QWidget* window, const QColor& colour);

    // The control the ring is round; null when the focus is elsewhere.
    QWidget* Target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QPointer<QWidget> window_;
    QPointer<QWidget> target_;
    QColor colour_;
};

}  // namespace starwise::gui
