// The frame window and its report on one offscreen screen: maximized, with
// a reading on show, the report's window covers the workspace and stays
// there when moved; the report fills it in one direction or scrolls; on
// every tab each control lies inside the report and its own parent, no text
// is drawn below 9 points (fonts as the font system matched them, the
// running text's runs, the wheel's texts) and no label's text is cut off.
//
// Usage: screen_fit_test logical|device WIDTH HEIGHT DPR [Qt Test options].
// "logical": a screen of WIDTH x HEIGHT logical pixels drawn at device pixel
// ratio DPR. "device": WIDTH x HEIGHT device pixels at that ratio, so the
// logical screen is that divided by DPR, as a desktop set to 150% or 200%
// shows a monitor of that resolution. With STARWISE_SCREEN_OUT_DIR set, the
// frame on each tab is also saved there as PNG files to be looked at.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QAbstractItemView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "entry/birth_flags.h"
#include "gui/chart_wheel.h"
#include "gui/frame_window.h"
#include "gui/look.h"
#include "gui/report_window.h"
#include "gui_test_support.h"

using namespace starwise;
using namespace starwise::gui;

namespace {

// The report fills at least this share of the workspace's width or height.
constexpr double kFilledShare = 0.9;
// Smallest text on screen, points, less what the font system's rounding of
// a size to its pixels may take off.
constexpr double kSmallestPoints = 9.0;
constexpr double kPointTolerance = 0.01;
// A label's text may reach this far past its box, pixels (rounding).
constexpr int kClipTolerancePx = 1;

QString Describe(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// The text a control shows, if it shows any.
QString ShownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    if (const auto* bar = qobject_cast<const QTabBar*>(control)) return bar->count() > 0 ? bar->tabText(0) : QString();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
    if (const auto* box = qobject_cast<const QTextEdit*>(control)) return box->toPlainText();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control); view && view->model()) {
        const QAbstractItemModel& model = *view->model();
        return model.rowCount() > 0 ? model.index(0, 0).data().toString() : QString();
    }
    if (const auto* header = qobject_cast<const QHeaderView*>(control); header && header->model()) {
        return header->model()->headerData(0, header->orientation()).toString();
    }
    return {};
}

// The smallest point size of the runs of a text box's document, as drawn.
double SmallestRunPoints(const QTextDocument& document) {
    double smallest = QFontInfo(document.defaultFont()).pointSizeF();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextFragment fragment = run.fragment();
            if (fragment.text().trimmed().isEmpty()) continue;
            smallest = std::min(smallest, QFontInfo(fragment.charFormat().font()).pointSizeF());
        }
    }
    return smallest;
}

// Why a label's text does not fit its box; empty when it does.
QString Clipping(const QLabel* label) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return {};
    const QRect box = label->contentsRect();
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > box.height() + kClipTolerancePx) return QStringLiteral("needs %1 px of height").arg(needed);
        return {};
    }
    const QSize needed = label->fontMetrics().size(0, label->text());
    if (needed.width() > box.width() + kClipTolerancePx || needed.height() > box.height() + kClipTolerancePx) {
        return QStringLiteral("needs %1x%2 px").arg(needed.width()).arg(needed.height());
    }
    return {};
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlLiesInsideTheScreen();
};

void ScreenFitTest::everyControlLiesInsideTheScreen() {
    testing::RecordingUrlOpener browser;
    FrameWindow frame(browser);
    const auto birth = entry::BirthInputOfLine("--date 1980-07-15 --time 06:30 --zone 34 --lon 73:51E --lat 18:31N");
    frame.showReading(reading::RunReading(birth.value));
    frame.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();

    const QScreen* screen = frame.screen();
    const QRect screenRect = screen->geometry();
    qInfo("logical screen %s, device pixel ratio %.2f, report scale %.3f", qPrintable(Describe(screenRect)),
          screen->devicePixelRatio(), frame.Report()->Scale());
    QVERIFY2(screenRect.contains(frame.frameGeometry()), qPrintable(Describe(frame.frameGeometry())));

    const ReportWindow* report = frame.Report();
    const auto* workspace = testing::Find<QMdiArea>(&frame, QStringLiteral("mdiArea"));
    auto* holder = testing::Find<QMdiSubWindow>(&frame, QStringLiteral("frmDisplayWindow"));
    auto* scroll = testing::Find<QScrollArea>(&frame, QStringLiteral("reportScroll"));
    QCOMPARE(holder->geometry(), workspace->viewport()->rect());
    holder->move(workspace->width() / 2, workspace->height() / 2);  // as a drag would
    QApplication::processEvents();
    QCOMPARE(holder->geometry(), workspace->viewport()->rect());
    // The report fills the space in one direction, or is larger and scrolls.
    const QSize view = scroll->viewport()->size();
    qInfo("report %s in %dx%d", qPrintable(Describe(report->geometry())), view.width(), view.height());
    QVERIFY2(report->width() >= kFilledShare * view.width() || report->height() >= kFilledShare * view.height(),
             qPrintable(Describe(report->geometry())));
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), std::max(report->width() - view.width(), 0));
    QCOMPARE(scroll->verticalScrollBar()->maximum(), std::max(report->height() - view.height(), 0));

    auto* tabs = testing::Find<QTabWidget>(&frame, QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        if (const QString out = qEnvironmentVariable("STARWISE_SCREEN_OUT_DIR"); !out.isEmpty()) {
            frame.grab().save(QStringLiteral("%1/frame-%2x%3-dpr%4-tab%5.png")
                                  .arg(out)
                                  .arg(screenRect.width())
                                  .arg(screenRect.height())
                                  .arg(screen->devicePixelRatio())
                                  .arg(tab));
        }
        for (const QWidget* control : frame.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!control->isVisible()) continue;
            const QString where = name + QStringLiteral(" on tab %1").arg(tab);
            // Named or not, no text below the smallest size.
            if (!ShownText(control).trimmed().isEmpty()) {
                const double points = QFontInfo(control->font()).pointSizeF();
                QVERIFY2(points >= kSmallestPoints - kPointTolerance,
                         qPrintable(where + QStringLiteral(": %1 pt").arg(points)));
            }
            if (const auto* box = qobject_cast<const QTextEdit*>(control); box && !box->toPlainText().isEmpty()) {
                const double points = SmallestRunPoints(*box->document());
                QVERIFY2(points >= kSmallestPoints - kPointTolerance,
                         qPrintable(where + QStringLiteral(": runs of %1 pt").arg(points)));
            }
            if (const auto* wheel = qobject_cast<const ChartWheelWidget*>(control)) {
                QVERIFY2(wheel->SmallestTextPoints() >= kSmallestPoints - kPointTolerance,
                         qPrintable(where + QStringLiteral(": %1 pt").arg(wheel->SmallestTextPoints())));
            }
            if (const auto* label = qobject_cast<const QLabel*>(control)) {
                const QString clipped = Clipping(label);
                QVERIFY2(clipped.isEmpty(), qPrintable(where + ": " + label->text().left(40) + " " + clipped));
            }
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
            if (control != report && report->isAncestorOf(control)) {
                // Not cut off by the report, nor by the frame or page it sits on.
                const QRect inReport(control->mapTo(report, QPoint(0, 0)), control->size());
                QVERIFY2(report->rect().contains(inReport), qPrintable(name + " at " + Describe(inReport)));
                const QWidget* parent = control->parentWidget();
                QVERIFY2(parent->rect().contains(control->geometry()),
                         qPrintable(name + " at " + Describe(control->geometry()) + " in " + parent->objectName() +
                                    " " + Describe(parent->rect())));
            } else if (control != report) {
                // The frame's own controls are on the screen.
                const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
                QVERIFY2(screenRect.contains(onScreen), qPrintable(name + " at " + Describe(onScreen)));
            }
        }
    }
}

int main(int argc, char* argv[]) {
    const std::string kind = argc >= 5 ? argv[1] : "";
    if (kind != "logical" && kind != "device") {
        std::fprintf(stderr, "usage: %s logical|device WIDTH HEIGHT DPR [Qt Test options]\n", argv[0]);
        return 2;
    }
    const double ratio = std::atof(argv[4]);
    const double logicalPerGiven = kind == "device" && ratio > 0 ? 1.0 / ratio : 1.0;
    const long width = std::lround(std::atof(argv[2]) * logicalPerGiven);
    const long height = std::lround(std::atof(argv[3]) * logicalPerGiven);
    // Offscreen screen description, see the offscreen platform's configfile.
    QTemporaryDir scratch;
    const QString config = scratch.filePath(QStringLiteral("screen.json"));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return 2;
        // The configured size is logical; the ratio only multiplies the pixels.
        QTextStream(&file) << R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )" << width
                           << R"(, "height": )" << height << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": )"
                           << argv[4] << "}]}";
    }
    const std::string platform = "offscreen:configfile=" + config.toStdString();
    std::vector<char*> qtArguments{argv[0], const_cast<char*>("-platform"), const_cast<char*>(platform.c_str()),
                                   nullptr};
    int qtArgc = 3;
    QApplication app(qtArgc, qtArguments.data());
    ConfigureApplication();

    std::vector<char*> testArguments{argv[0]};
    for (int i = 5; i < argc; ++i) testArguments.push_back(argv[i]);
    ScreenFitTest test;
    return QTest::qExec(&test, static_cast<int>(testArguments.size()), testArguments.data());
}

#include "screen_fit_test.moc"
