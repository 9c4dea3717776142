// Arbitrary bytes as a batch line of starwise-cli, through the same path as
// the batch loop: checked as UTF-8, parsed, checked by the form's rules and,
// when accepted, read and printed as JSON and as text. Every JSON line must
// parse under a strict parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entry/birth_flags.h"
#include "cli/reading_json.h"
#include "cli/text_report.h"
#include "entry/echoed_text.h"
#include "reading/reading.h"
#include "strict_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string out;
    starwise::cli::ReadingJsonWriter json;
    if (!starwise::entry::IsValidUtf8(line)) {
        json.AppendError("the line is not valid UTF-8", out);
        return 0;
    }
    const auto flags = starwise::entry::ParseCaseFlags(line);
    const starwise::Result<starwise::entry::CheckedFlags> parsed =
        flags.Ok() ? starwise::entry::CheckBirthFlags(flags.value) : flags.AsFailure();
    // A place is not looked up here: the atlas is another fuzz target's.
    if (parsed.Ok() && !parsed.value.place) {
        const starwise::reading::Reading reading =
            starwise::reading::RunReading(starwise::entry::BirthInputOf(parsed.value));
        if (!reading.failures.empty()) __builtin_trap();  // an accepted case must read cleanly
        json.AppendReading(reading, nullptr, out);
        starwise::cli::AppendTextReport(reading, true, out);
    } else if (!parsed.Ok()) {
        json.AppendError(parsed.detail, out);
    }
    if (!starwise::fuzz::AllLinesAreJson(out.substr(0, out.find('\n') + 1))) __builtin_trap();
    return 0;
}
