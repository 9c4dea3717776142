// Soak run of the desktop program on the offscreen platform: the real
// application object, a valid birth in the entry form, then many cycles of
// "reading button, report shown, Back". Prints the resident memory before and
// after the cycles and the time from the button press to the report's first
// paint; fails when memory grows by more than kMaxGrowthKb.
//
// Resident memory is read after handing the allocator's free memory back to
// the system (malloc_trim). Without that, VmRSS jumps up or down by about
// 2.4 MB between identical cycles: glibc either keeps the freed report
// window's backing store at the top of its heap or returns it, depending on
// its dynamic trim threshold. Read that way, memory settled within 20 cycles
// in each of three 2,000-cycle runs and then stayed within 40 kB.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "gui/report_window.h"
#include "gui/application.h"
#include "gui/look.h"
#include "gui/frame_window.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "gui/url_opener.h"

using namespace starwise::gui;

namespace {

// The first readings fill the allocator and Qt's font and layout caches. The
// warm-up runs windows of kWarmUpWindowCycles until memory grows by at most
// kFlatWindowKb over one window (the second window, in every run measured);
// memory still growing after kMaxWarmUpCycles is a failure of its own.
constexpr int kWarmUpWindowCycles = 100;
constexpr long kFlatWindowKb = 64;
constexpr int kMaxWarmUpCycles = 1000;
constexpr int kCycles = 1000;
constexpr long kMaxGrowthKb = 1024;
// Longest wait after Back for the program to finish its queued work, ms.
constexpr int kSettleMs = 200;

// STARWISE_SOAK_CYCLES=N runs N measured cycles after one warm-up window of
// N, and skips the memory verdict: short enough to run under a profiler
// (valgrind --tool=callgrind --toggle-collect='*PressForReading*').
int CyclesFromEnvironment() {
    bool ok = false;
    const int cycles = qEnvironmentVariableIntValue("STARWISE_SOAK_CYCLES", &ok);
    return ok && cycles > 0 ? cycles : 0;
}

// Any message box means the birth was refused: the soak would measure nothing.
class FailingMessageSink final : public MessageSink {
public:
    void Show(QWidget*, std::string_view text, starwise::entry::MessageIcon) override {
        std::fprintf(stderr, "soak: unexpected message \"%.*s\"\n", static_cast<int>(text.size()), text.data());
        std::exit(2);
    }
};

class IgnoringUrlOpener final : public UrlOpener {
public:
    void Open(const QUrl&) override {}
};

// Resident set size in kB (VmRSS in /proc/self/status).
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Resident set size in kB once the allocator has returned its free memory.
long SettledResidentKb() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    return ResidentKb();
}

// Counts paint events of the report window, to tell when it has been drawn.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The offscreen platform warns at every window shown that it ignores size
// hints; a thousand of those would bury the result.
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void FillForm(EntryWindow* form) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtName", "ASHA"}, {"txtLonD", "73"}, {"txtLonM", "51"}, {"txtLatD", "18"}, {"txtLatM", "31"}};
    for (const auto& [name, text] : boxes) form->findChild<QLineEdit*>(name)->setText(QString::fromLatin1(text));
    const std::pair<const char*, const char*> lists[] = {
        {"cboMonth", "July"}, {"cboDate", "15"}, {"cboYear", "1980"}, {"cboHH", "6"}, {"cboMM", "30"}};
    for (const auto& [name, text] : lists) {
        auto* list = form->findChild<QComboBox*>(name);
        list->setCurrentIndex(list->findText(QString::fromLatin1(text)));
    }
    form->findChild<QRadioButton*>("optLong_0")->setChecked(true);
    form->findChild<QRadioButton*>("optLat_0")->setChecked(true);
}

// The reading button pressed, until the report's first paint; returns the
// nanoseconds between. Out of line, so a profiler can collect it alone.
[[gnu::noinline]] qint64 PressForReading(Application& app) {
    auto* button = app.EntryForm()->findChild<QPushButton*>("cmdRashi");
    PaintCounter painted;
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    FrameWindow* frame = app.Frame();
    if (frame == nullptr) {
        std::fprintf(stderr, "soak: the reading button opened no frame window\n");
        std::exit(2);
    }
    frame->Report()->installEventFilter(&painted);
    while (!(frame->isVisible() && painted.paints > 0)) {
        if (clock.elapsed() > 10'000) {
            std::fprintf(stderr, "soak: the report was not drawn within 10 s\n");
            std::exit(2);
        }
        QCoreApplication::processEvents();
    }
    const qint64 elapsed = clock.nsecsElapsed();
    frame->Report()->removeEventFilter(&painted);
    return elapsed;
}

// Back, until the entry form shows again and the frame is gone.
void PressBack(Application& app) {
    QTest::mouseClick(app.Frame()->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
    // Until the queue is empty (the form drawn, the next frame prepared),
    // as it would be before a person presses the button again.
    QCoreApplication::processEvents(QEventLoop::AllEvents, kSettleMs);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (app.Frame() != nullptr || !app.EntryForm()->isVisible()) {
        std::fprintf(stderr, "soak: Back did not return to the entry form\n");
        std::exit(2);
    }
}

// One reading and Back; returns the nanoseconds from the press to the
// report's first paint.
qint64 Cycle(Application& app) {
    const qint64 elapsed = PressForReading(app);
    PressBack(app);
    return elapsed;
}

// The measured cycles.
std::vector<qint64> MeasuredCycles(Application& app, int cycles) {
    std::vector<qint64> times;
    times.reserve(static_cast<std::size_t>(cycles));
    for (int i = 0; i < cycles; ++i) {
        times.push_back(Cycle(app));
        if ((i + 1) % 250 == 0) std::printf("soak: after %d cycles rss_kb=%ld\n", i + 1, SettledResidentKb());
    }
    return times;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropSizeHintWarnings);
    QApplication qtApp(argc, argv);
    ConfigureApplication();

    // The lock lives in a folder of its own, so a running copy of the program
    // does not stop the soak.
    QTemporaryDir lockFolder;
    SingleInstanceGuard guard(lockFolder.filePath(QStringLiteral("starwise.lock")));
    FailingMessageSink messages;
    IgnoringUrlOpener browser;
    Application app(messages, browser);
    if (!app.Start(guard)) return 2;
    if (!QTest::qWaitForWindowExposed(app.EntryForm())) return 2;
    FillForm(app.EntryForm());

    const int profiled = CyclesFromEnvironment();
    int warmUpCycles = 0;
    if (profiled > 0) {
        for (int i = 0; i < profiled; ++i) Cycle(app);
        warmUpCycles = profiled;
    }
    for (long windowStart = SettledResidentKb(); profiled == 0;) {
        for (int i = 0; i < kWarmUpWindowCycles; ++i) Cycle(app);
        warmUpCycles += kWarmUpWindowCycles;
        const long windowEnd = SettledResidentKb();
        std::printf("soak: warm-up cycles=%d rss_kb=%ld window_growth_kb=%ld\n", warmUpCycles, windowEnd,
                    windowEnd - windowStart);
        if (windowEnd - windowStart <= kFlatWindowKb) break;
        if (warmUpCycles >= kMaxWarmUpCycles) {
            std::fprintf(stderr, "soak: memory still growing after %d warm-up cycles\n", warmUpCycles);
            return 1;
        }
        windowStart = windowEnd;
    }
    const long before = SettledResidentKb();
    const int cycles = profiled > 0 ? profiled : kCycles;
    std::vector<qint64> times = MeasuredCycles(app, cycles);
    const long after = SettledResidentKb();

    std::sort(times.begin(), times.end());
    const double medianMs = static_cast<double>(times[times.size() / 2]) / 1e6;
    const double worstMs = static_cast<double>(times.back()) / 1e6;
    const long growth = after - before;
    std::printf("soak: warm_up_cycles=%d cycles=%d rss_before_kb=%ld rss_after_kb=%ld rss_growth_kb=%ld "
                "limit_kb=%ld reading_median_ms=%.2f reading_worst_ms=%.2f\n",
                warmUpCycles, cycles, before, after, growth, kMaxGrowthKb, medianMs, worstMs);
    return profiled == 0 && growth > kMaxGrowthKb ? 1 : 0;
}
