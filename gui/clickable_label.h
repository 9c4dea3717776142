// A label that acts as a link: a pointing hand over it, and a click (press
// and release of the left button on it) emits clicked().
#pragma once

#include <QLabel>

namespace starwise::gui {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace starwise::gui
