// Starwise desktop program; with --pdf, the reading as a PDF without a window.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/application.h"
#include "gui/command_line.h"
#include "gui/look.h"
#include "gui/message_sink.h"
#include "gui/reading_files.h"
#include "gui/single_instance.h"
#include "gui/url_opener.h"
#include "entry/echoed_text.h"
#include "reading/reading.h"

namespace {

constexpr int kRefused = 2;
constexpr int kNotWritten = 1;

void PrintLine(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

// A message on standard error that may hold what the person typed (a path,
// a flag's value), with its control characters escaped.
void PrintMessage(std::string_view prefix, std::string_view text) {
    PrintLine(stderr, std::string{prefix} + starwise::entry::EscapeControls(text));
}

// The end of --help and --version: 0, or a message and 1 when standard
// output could not be written (a full disk, a closed pipe).
int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("starwise: the output could not be written\n", stderr);
        return kNotWritten;
    }
    return 0;
}

// Writes the reading without a window, on the offscreen platform unless
// another was asked for. No single-copy lock: any number may run at once.
int WritePdf(char* programName, const starwise::gui::CommandLine& command) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;  // the words were the program's own, not Qt's
    char* qtArgv[] = {programName, nullptr};
    QGuiApplication qtApp(qtArgc, qtArgv);

    if (!command.zoneWarning.empty()) PrintMessage("warning: ", command.zoneWarning);
    const starwise::reading::Reading reading = starwise::reading::RunReading(command.birth);
    if (const std::string notice = starwise::reading::FailedStepsNotice(reading); !notice.empty()) {
        std::fprintf(stderr, "warning: %s\n", notice.c_str());
    }
    const QString failure = starwise::gui::WriteReadingPdf(reading, QString::fromLocal8Bit(command.pdfPath.c_str()));
    if (!failure.isEmpty()) {
        PrintMessage("", failure.toStdString());
        return kNotWritten;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    using starwise::gui::CommandLine;
    const CommandLine command = starwise::gui::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLine::PrintVersion:
            PrintLine(stdout, starwise::gui::kVersionLine);
            return FinishOutput();
        case CommandLine::PrintHelp:
            std::fputs(starwise::gui::UsageText().c_str(), stdout);
            return FinishOutput();
        case CommandLine::Refuse:
            PrintMessage("", command.refusal);
            return kRefused;
        case CommandLine::WritePdf:
            return WritePdf(argv[0], command);
        case CommandLine::OpenWindows:
            break;
    }

    QApplication qtApp(argc, argv);
    starwise::gui::ConfigureApplication();

    starwise::gui::MessageBoxSink messages;
    starwise::gui::DesktopUrlOpener browser(messages);
    starwise::gui::SingleInstanceGuard guard(starwise::gui::SingleInstanceGuard::DefaultLockPath());
    starwise::gui::Application app(messages, browser);
    QObject::connect(&app, &starwise::gui::Application::ended, &qtApp, &QCoreApplication::quit);
    if (!app.Start(guard)) return 0;
    return QApplication::exec();
}
