// The frame window that hosts the report: a banner strip and a name strip at
// the top, the report in the middle, a command strip with Back and Exit at
// the bottom, and the menus.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;
class QWidget;

namespace starwise::gui {

class ClickableLabel;
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

class FrameWindow : public QMainWindow {
    Q_OBJECT

public:
    FrameWindow(UrlOpener& browser, QWidget* parent = nullptr);

    // The report window inside the frame; it lives and dies with the frame.
    ReportWindow* Report() const { return report_; }

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

private:
    void createActions();
    QWidget* createStrip(const char* name, int heightTwips, const QColor& background);
    void placeForScreenWidth(int screenWidthTwips);

    UrlOpener& browser_;
    bool unloading_ = false;

    QMdiArea* mdiArea_;
    ReportWindow* report_;
    QWidget* bannerStrip_;
    QWidget* nameStrip_;
    QWidget* commandStrip_;
    ClickableLabel* banner_;
    QLabel* softwareName_;
    QPushButton* backButton_;
    QPushButton* exitButton_;
    ClickableLabel* helpLink_;

    QMenu* fileMenu_;
    QAction* backAction_;
    QAction* exitAction_;
};

}  // namespace starwise::gui
