// Arbitrary bytes as a batch line of starwise-cli: parsed, checked and, when
// accepted, read and printed as JSON and as text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/arguments.h"
#include "cli/chart_json.h"
#include "cli/text_report.h"
#include "reading/driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto parsed = starwise::cli::ParseCaseLine(line);
    if (const auto* form = std::get_if<starwise::entry::EntryFormValues>(&parsed)) {
        starwise::reading::ReadingState state;
        starwise::reading::RecordingReportView view;
        const auto failed = starwise::reading::RunReading(*form, state, view);
        if (!failed.empty()) __builtin_trap();  // an accepted case must read cleanly
        (void)starwise::cli::ReadingJson(state, view).dump();
        (void)starwise::cli::TextReport(view, true);
    }
    return 0;
}
