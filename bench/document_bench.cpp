// Time to write a whole reading as a document: the A4 PDF and the HTML file
// in the program, and `starwise --pdf` as a whole process, from its start
// to its end, the way a script would run it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <variant>

#include "entry/birth_flags.h"
#include "gui/reading_files.h"
#include "reading/reading.h"

namespace {

using namespace starwise;

// New York, 15 July 1980, 06:30 daylight time: aspects of both kinds.
const QStringList kFlags{"--date", "1980-07-15", "--time", "06:30", "--zone", "27", "--dst",
                         "--lon",  "74:00W",     "--lat",  "40:43N", "--name", "ADA"};

reading::Reading SampleReading() {
    const auto birth = entry::BirthInputOfLine(kFlags.join(QLatin1Char(' ')).toStdString());
    return reading::RunReading(birth.value);
}

void BM_ReadingPdf(benchmark::State& state) {
    const reading::Reading reading = SampleReading();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    for (auto _ : state) {
        if (!gui::WriteReadingPdf(reading, path).isEmpty()) state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_ReadingPdf)->Unit(benchmark::kMillisecond);

void BM_ReadingHtml(benchmark::State& state) {
    const reading::Reading reading = SampleReading();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.html"));
    for (auto _ : state) {
        if (!gui::WriteReadingHtml(reading, path).isEmpty()) state.SkipWithError("the HTML was not written");
    }
}
BENCHMARK(BM_ReadingHtml)->Unit(benchmark::kMillisecond);

// The program started, the reading computed and written, the program ended.
void BM_StarwisePdfProcess(benchmark::State& state) {
    QTemporaryDir folder;
    QStringList arguments{QStringLiteral("--pdf"), folder.filePath(QStringLiteral("reading.pdf"))};
    arguments += kFlags;
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(STARWISE_PROGRAM), arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) state.SkipWithError("starwise --pdf failed");
    }
}
BENCHMARK(BM_StarwisePdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // Fonts and painting need an application; no window is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
