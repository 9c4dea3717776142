// Start-up time of the desktop program on the offscreen platform: from the
// moment the process is spawned to the entry form's first paint.
//
// Without arguments it starts itself kRuns times as a child
// (`--child <spawn time>`, the monotonic clock in nanoseconds just before the
// spawn) and prints the median, fastest and slowest run. A child builds the
// program as gui/main.cpp does, prints the milliseconds from the spawn to
// the entry form's first paint, and ends.
#include <time.h>

#include <QApplication>
#include <QIcon>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/sign_pictures.h"
#include "gui/entry_window.h"
#include "gui/application.h"
#include "gui/look.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "gui/url_opener.h"

namespace {

constexpr int kRuns = 7;

qint64 MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Reports the entry form's first paint (the form is drawn, not only
// created) and ends the program.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(qint64 spawnNs) : spawnNs_(spawnNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && qobject_cast<starwise::gui::EntryWindow*>(watched)) {
            done_ = true;
            std::printf("%.3f\n", static_cast<double>(MonotonicNs() - spawnNs_) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    qint64 spawnNs_;
    bool done_ = false;
};

// The program as gui/main.cpp builds it, its lock in a folder of its own.
int Child(int argc, char* argv[], qint64 spawnNs) {
    QApplication qtApp(argc, argv);
    starwise::gui::ConfigureApplication();

    FirstPaint watch(spawnNs);
    qtApp.installEventFilter(&watch);
    QTemporaryDir lockFolder;
    starwise::gui::MessageBoxSink messages;
    starwise::gui::DesktopUrlOpener browser(messages);
    starwise::gui::SingleInstanceGuard guard(lockFolder.filePath(QStringLiteral("starwise.lock")));
    starwise::gui::Application app(messages, browser);
    if (!app.Start(guard)) return 2;
    QTimer::singleShot(30'000, qApp, [] { QCoreApplication::exit(3); });
    return QApplication::exec();
}

int Parent(int argc, char* argv[]) {
    QCoreApplication qtApp(argc, argv);
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 spawnNs = MonotonicNs();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QString::number(spawnNs)});
        if (!child.waitForFinished(60'000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::fprintf(stderr, "startup: run %d failed\n", i + 1);
            return 1;
        }
        bool ok = false;
        const double ms = child.readAllStandardOutput().trimmed().toDouble(&ok);
        if (!ok) {
            std::fprintf(stderr, "startup: run %d printed no time\n", i + 1);
            return 1;
        }
        runs.push_back(ms);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("startup: runs=%d median_ms=%.1f min_ms=%.1f max_ms=%.1f\n", kRuns, runs[runs.size() / 2],
                runs.front(), runs.back());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) return Child(argc, argv, QByteArray(argv[2]).toLongLong());
    return Parent(argc, argv);
}
