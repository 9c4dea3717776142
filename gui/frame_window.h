// The frame window that hosts the report: a banner strip and a name strip at
// the top, the report in the middle, scaled to fill the space between (and
// scrolling where that would draw its text too small), a command strip with
// Back and Exit at the bottom, and the menus, among them saving and printing
// the reading; keys for the report's tabs and zoom, and a focus ring.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>

#include "reading/reading.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QScrollArea;
class QMenu;
class QPushButton;
class QWidget;

namespace starwise::gui {

class ClickableLabel;
class FocusRing;
class DocumentDialogs;
class UrlOpener;
class ReportWindow;

// Left edges, in twips, of what the frame centres on the screen or pins to
// its right-hand end.
struct FrameLayout {
    int bannerLeft;       // banner_
    int softwareNameLeft; // softwareName_
    int exitLeft;         // exitButton_, outermost
    int backLeft;         // backButton_, to its left
    int reportLeft;       // ReportWindow
    friend bool operator==(const FrameLayout&, const FrameLayout&) = default;
};

FrameLayout ComputeFrameLayout(int screenWidth, int bannerWidth, int softwareNameWidth, int exitWidth,
                               int backWidth, int reportWidth);

// Smallest scale ReportScaleFor returns, however small the workspace.
inline constexpr double kMinimumReportScale = 0.25;

// No text of the frame or the report is drawn smaller than this, points:
// where the workspace is too small for it, the report scrolls.
inline constexpr double kSmallestTextPoints = 9.0;

// The uniform scale of the report's design (logical pixels) that fits it,
// with its window's title bar and borders (chrome), into the workspace with
// marginPx to spare on every side: the smaller of the width's and the
// height's ratios, and not below kMinimumReportScale.
double ReportScaleFor(QSize workspace, QSize chrome, QSize design, int marginPx);

class FrameWindow : public QMainWindow {
    Q_OBJECT

public:
    FrameWindow(UrlOpener& browser, QWidget* parent = nullptr);
    ~FrameWindow() override;

    // Shows a reading in the report and keeps it for saving and printing.
    void showReading(const reading::Reading& reading);

    // While hidden: polishes and lays out the frame at its present size and
    // scales the report to it, so that showing it later costs less.
    void prepareToShow();

    // File menu: the reading as an A4 PDF, as one HTML file, on a printer.
    // Each asks through the document dialogs and does nothing when cancelled.
    void saveReadingAsPdf();
    void saveReadingAsHtml();
    void printReading();
    // Replaces the desktop's file and print dialogs (tests answer them).
    void setDocumentDialogs(std::unique_ptr<DocumentDialogs> dialogs);

    // The report window inside the frame; it lives and dies with the frame.
    ReportWindow* Report() const { return report_; }

    // Zoom of the report (Ctrl+plus, Ctrl+minus, Ctrl+0, Ctrl with the
    // mouse wheel): a multiple of the scale that fits the workspace, never
    // below the scale at which its smallest text is kSmallestTextPoints.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    double Zoom() const { return zoom_; }
    // The scale the report is drawn at: FitScale() x Zoom(), at least ReadableScale().
    double ReportScale() const;
    double FitScale() const;
    double ReadableScale() const;

    // The report's next (step 1) or previous (-1) tab, round the ends
    // (Ctrl+Tab, Ctrl+PgDn; Ctrl+Shift+Tab, Ctrl+PgUp).
    void showAdjacentTab(int step);

    // Back: the application unloads this frame and shows the entry form.
    void goBack();
    // Exit: the program ends.
    void exitProgram();

    // Lets the frame be closed by Back without that counting as leaving the
    // program.
    void PrepareToUnload() { unloading_ = true; }

signals:
    void backRequested();
    void exitRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    QWidget* createStrip(const char* name, int heightTwips, const QColor& background);
    void placeForScreenWidth(int screenWidthTwips);
    // Puts the report's window over the whole workspace and draws the
    // report at ReportScale(), centred, scrolling where it is larger.
    void fitReport();
    // The workspace's viewport in its own coordinates, logical pixels.
    QRect workspaceRect() const;
    void setZoom(double zoom);
    // Focuses the next (or previous) control of the frame's whole tab chain.
    void moveFocus(bool forward);
    // The path to save to, with the suffix added when none was typed;
    // empty when cancelled.
    QString askSavePath(const QString& caption, const QString& suffix, const QString& filter);
    void rememberSaveFolder(const QString& savedPath);

    UrlOpener& browser_;
    std::unique_ptr<DocumentDialogs> dialogs_;
    std::optional<reading::Reading> reading_;
    bool unloading_ = false;

    QMdiArea* mdiArea_;
    QMdiSubWindow* reportHolder_;
    QScrollArea* reportScroll_;
    ReportWindow* report_;
    QPointer<FocusRing> focusRing_;
    double zoom_ = 1.0;
    bool centreAcross_ = true;  // until the reader scrolls across
    QWidget* bannerStrip_;
    QWidget* nameStrip_;
    QWidget* commandStrip_;
    ClickableLabel* banner_;
    QLabel* softwareName_;
    QPushButton* backButton_;
    QPushButton* exitButton_;
    ClickableLabel* helpLink_;

    QMenu* fileMenu_;
    QAction* savePdfAction_;
    QAction* saveHtmlAction_;
    QAction* printAction_;
    QAction* backAction_;
    QAction* exitAction_;
};

}  // namespace starwise::gui
