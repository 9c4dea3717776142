// The report window: one reading, rendered from the reading value. Sun-sign
// profile on the first tab; the Karma Profile and the planets in houses on
// the second, which it opens on; the chart wheel on the third. The window is
// laid out at one size and drawn at any uniform scale of it.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "gui/piece_styles.h"
#include "gui/scaled_design.h"
#include "reading/reading.h"
#include "reading/report_fields.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class QTextEdit;

namespace starwise::gui {

class ChartWheelWidget;

class ReportWindow : public QWidget {
    Q_OBJECT

public:
    explicit ReportWindow(QWidget* parent = nullptr);

    // Shows a reading: every control is filled from it, and a part the
    // reading does not hold (a failed step) is left empty.
    void showReading(const reading::Reading& reading);

    // Resource path of the Sun-sign picture on show; empty when none.
    QString SignPictureResource() const { return signPictureResource_; }

    // Draws the window at factor (> 0) times its layout size: every box,
    // text and picture together. 1 is the design.
    void setScale(double factor);
    double Scale() const { return design_.Factor(); }
    // The window's size at scale 1, logical pixels.
    static QSize DesignSize();
    // The design the scale is applied to (its smallest font, among others).
    const ScaledDesign& Design() const { return design_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createSunSignTab();
    void createStarwiseTab();
    void createChartTab();
    void showRunningText();
    void showSignPicture();
    void showWheel(const reading::Reading& reading);
    void showPositions(const reading::Reading& reading);

    QTabWidget* tabs_;
    // "Sun Sign" tab; its frame's caption carries the cusp line, if any
    QGroupBox* sunSignFrame_;
    QLabel* signPicture_;
    // The control of each report field (reading/report_fields.h) by its
    // FieldId: a label or a text box; none for the picture.
    std::array<QLabel*, reading::kFieldCount> labels_{};
    std::array<QPlainTextEdit*, reading::kFieldCount> boxes_{};
    // "Starwise" tab: the running text
    QTextEdit* runningText_;
    // "Chart" tab
    ChartWheelWidget* wheel_;
    QTableWidget* positions_;

    ScaledDesign design_;
    std::vector<StyledRun> runningRuns_;  // the running text on show, redrawn at each scale
    QString signPictureResource_;
    bool shown_ = false;
};

}  // namespace starwise::gui
