// The frame window and its report on one offscreen screen: maximized, with
// a reading on show, every control on every tab lies inside the screen, the
// report and its own parent, and the report fills the workspace in one
// direction.
//
// Usage: screen_fit_test logical|device WIDTH HEIGHT DPR [Qt Test options].
// "logical": a screen of WIDTH x HEIGHT logical pixels drawn at device pixel
// ratio DPR. "device": WIDTH x HEIGHT device pixels at that ratio, so the
// logical screen is that divided by DPR, as a desktop set to 150% or 200%
// shows a monitor of that resolution. With STARWISE_SCREEN_OUT_DIR set, the
// frame on each tab is also saved there as PNG files to be looked at.
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "entry/birth_flags.h"
#include "gui/frame_window.h"
#include "gui/look.h"
#include "gui/report_window.h"
#include "gui_test_support.h"

using namespace starwise;
using namespace starwise::gui;

namespace {

// The report fills at least this share of the workspace's width or height.
constexpr double kFilledShare = 0.9;

QString Describe(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

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
    frame.showReading(reading::RunReading(std::get<entry::BirthInput>(birth)));
    frame.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();

    const QScreen* screen = frame.screen();
    const QRect screenRect = screen->geometry();
    qInfo("logical screen %s, device pixel ratio %.2f, report scale %.3f", qPrintable(Describe(screenRect)),
          screen->devicePixelRatio(), frame.Report()->Scale());
    QVERIFY2(screenRect.contains(frame.frameGeometry()), qPrintable(Describe(frame.frameGeometry())));

    const ReportWindow* report = frame.Report();
    const QWidget* reportWindow = report->parentWidget();
    const auto* workspace = testing::Find<QMdiArea>(&frame, QStringLiteral("mdiArea"));
    QVERIFY2(workspace->rect().contains(reportWindow->geometry()), qPrintable(Describe(reportWindow->geometry())));
    QVERIFY2(reportWindow->width() >= kFilledShare * workspace->width() ||
                 reportWindow->height() >= kFilledShare * workspace->height(),
             qPrintable(Describe(reportWindow->geometry()) + " in " + Describe(workspace->rect())));

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
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !control->isVisible()) continue;
            const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
            QVERIFY2(screenRect.contains(onScreen), qPrintable(name + " at " + Describe(onScreen)));
            if (report->isAncestorOf(control)) {
                // Not cut off by the report, nor by the frame or page it sits on.
                const QRect inReport(control->mapTo(report, QPoint(0, 0)), control->size());
                QVERIFY2(report->rect().contains(inReport), qPrintable(name + " at " + Describe(inReport)));
                const QWidget* parent = control->parentWidget();
                QVERIFY2(parent->rect().contains(control->geometry()),
                         qPrintable(name + " at " + Describe(control->geometry()) + " in " + parent->objectName() +
                                    " " + Describe(parent->rect())));
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
