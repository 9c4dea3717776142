// starwise-cli: the reading without a window, as text or JSON.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/chart_json.h"
#include "cli/text_report.h"
#include "entry/zones.h"
#include "reading/driver.h"

namespace {

using starwise::cli::CaseFlags;

constexpr int kRefused = 2;

// Runs one checked case and returns its output (a JSON line or the text).
std::string ReadingOutput(const starwise::entry::EntryFormValues& form, bool json, bool colour) {
    starwise::reading::ReadingState state;
    starwise::reading::RecordingReportView report;
    starwise::reading::RunReading(form, state, report);
    if (json) return starwise::cli::ReadingJson(state, report).dump() + "\n";
    return starwise::cli::TextReport(report, colour);
}

// Parses and runs one batch line; returns false when the line was refused.
bool RunBatchLine(const std::string& line, bool json) {
    const auto parsed = starwise::cli::ParseCaseLine(line);
    if (const auto* form = std::get_if<starwise::entry::EntryFormValues>(&parsed)) {
        std::cout << ReadingOutput(*form, json, false);
        if (!json) std::cout << "\n----------------------------------------\n\n";
        return true;
    }
    const std::string& refusal = std::get<std::string>(parsed);
    if (json) {
        std::cout << nlohmann::json{{"error", refusal}}.dump() << "\n";
    } else {
        std::cout << "error: " << refusal << "\n";
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Starwise: a natal reading (Sun sign, Karma Profile, houses, aspects, void of course)."};
    app.name("starwise-cli");
    CaseFlags flags;
    bool json = false;
    bool batch = false;
    bool listZones = false;
    starwise::cli::AddCaseOptions(app, flags);
    app.add_flag("--json", json, "Print one JSON object per case");
    app.add_flag("--batch", batch, "Read one case per line from standard input (the same flags)");
    app.add_flag("--list-zones", listZones, "Print the position and text of the 71 time zones");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << error.what() << "\n";
        return kRefused;
    }

    if (listZones) {
        for (std::size_t position = 0; position < starwise::entry::kZones.size(); ++position) {
            std::cout << position << "\t" << starwise::entry::kZones[position].listText << "\n";
        }
        return 0;
    }
    if (batch) {
        bool allRead = true;
        std::string line;
        while (std::getline(std::cin, line)) {
            const auto first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos || line[first] == '#') continue;  // blank or comment
            allRead = RunBatchLine(line, json) && allRead;
        }
        return allRead ? 0 : kRefused;
    }

    auto values = starwise::cli::FormValuesOf(flags);
    if (const auto* refused = std::get_if<std::string>(&values)) {
        std::cerr << *refused << "\n";
        return kRefused;
    }
    std::cout << ReadingOutput(std::get<starwise::entry::EntryFormValues>(values), json, isatty(STDOUT_FILENO) == 1);
    return 0;
}
