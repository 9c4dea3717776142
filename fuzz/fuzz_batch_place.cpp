// A batch line with --place: the date and time from the input's last bytes
// (no bytes: 1980-07-15 06:30), then "--place " and the rest of the input as
// it is (the place, and any further flags). Through the batch loop's steps:
// UTF-8 check, flags, place and zone, reading, JSON and text. Checked: every
// JSON line parses under a strict parser (RapidJSON's reader, which refuses
// raw control characters and bad UTF-8); and an accepted place whose zone
// agrees with the tz database, at a local time that happened once and not
// in local mean time, has the universal time CCTZ gives for it.
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "atlas/birth_place.h"
#include "atlas/places.h"
#include "cli/reading_json.h"
#include "cli/text_report.h"
#include "entry/birth_flags.h"
#include "entry/echoed_text.h"
#include "reading/reading.h"
#include "strict_json.h"

namespace {

// The universal time of the birth agrees with CCTZ's reading of the zone.
bool InstantAgreesWithDatabase(const starwise::atlas::PlaceZoneCheck& check, const starwise::reading::Reading& reading) {
    const starwise::atlas::ZoneMoment& moment = check.moment;
    // Nothing to compare: not the database's offset; a time that happened
    // twice or never; an offset not in whole minutes; or local mean time,
    // which the reading takes from the birthplace's own longitude.
    if (!check.agreement.agrees || moment.kind != starwise::atlas::LocalTimeKind::Unique ||
        moment.utcOffsetSeconds % 60 != 0 || moment.abbreviation == "LMT" || !reading.instant) {
        return true;
    }
    cctz::time_zone zone;
    if (!cctz::load_time_zone(check.place.timeZone, &zone)) return false;
    const auto& l = moment.local;
    const auto utc = cctz::convert(cctz::convert(cctz::civil_second(l.year, l.month, l.day, l.hour, l.minute, 0), zone),
                                   cctz::utc_time_zone());
    const auto& ut = reading.instant->ut;
    return utc == cctz::civil_second(ut.year, ut.month, ut.day, ut.hour, ut.minute, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace starwise;
    static const atlas::Atlas places;  // loaded once, then read only
    FuzzedDataProvider input(data, size);
    const int year = 1890 + (input.ConsumeIntegralInRange(0, 170) + 90) % 171;
    const int month = (input.ConsumeIntegralInRange(0, 13) + 7) % 14;
    const int day = (input.ConsumeIntegralInRange(0, 32) + 15) % 33;
    const int hour = (input.ConsumeIntegralInRange(0, 24) + 6) % 25;
    const int minute = (input.ConsumeIntegralInRange(0, 60) + 30) % 61;
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "--date %04d-%02d-%02d --time %02d:%02d --place ", year, month, day, hour,
                  minute);
    const std::string line = prefix + input.ConsumeRemainingBytesAsString();

    std::string json;
    std::string text;
    cli::ReadingJsonWriter writer;
    std::string refusal = "the line is not valid UTF-8";
    if (entry::IsValidUtf8(line)) {
        const auto flags = entry::ParseCaseFlags(line);
        if (flags.Ok()) {
            const auto birth = atlas::ResolveBirthFlags(flags.value, places);
            if (birth.Ok()) {
                const atlas::PlacedBirth* placed = &birth.value;
                const reading::Reading reading = reading::RunReading(placed->birth);
                const atlas::PlaceZoneCheck* check = placed->zoneCheck ? &*placed->zoneCheck : nullptr;
                writer.AppendReading(reading, check, json);
                if (check != nullptr) text += cli::PlaceHeader(*check);
                cli::AppendTextReport(reading, false, text);
                if (check != nullptr && !InstantAgreesWithDatabase(*check, reading)) __builtin_trap();
                refusal.clear();
            } else {
                refusal = birth.detail;
            }
        } else {
            refusal = flags.detail;
        }
    }
    if (!refusal.empty()) {
        writer.AppendError(refusal, json);
        text = "error: " + entry::EscapeControls(refusal) + "\n";
        if (text.find('\x1b') != std::string::npos) __builtin_trap();  // no escape sequence echoed raw
    }
    if (!fuzz::AllLinesAreJson(json)) __builtin_trap();
    return 0;
}
