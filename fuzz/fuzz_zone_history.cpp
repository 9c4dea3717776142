// Zone history over every zone of the tz database and any year: a zone
// taken from /usr/share/zoneinfo (or arbitrary bytes as a name), a local
// date and time from the whole int range. Checked: never throws; a valid
// local time of a known zone gets an offset within a day, its minutes
// rounded from its seconds; a unique local time, taken back to UTC by its
// offset, reads as the same local time through CCTZ; and the zone rows
// matched for it give that offset.
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "atlas/zone_history.h"
#include "atlas/zone_match.h"

namespace {

// The names of the zone files (those that begin "TZif") under the
// database's folder, without its posix/ and right/ copies.
std::vector<std::string> ZoneNames() {
    namespace fs = std::filesystem;
    const fs::path root = "/usr/share/zoneinfo";
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), root).string();
        if (it->is_directory() && (relative == "posix" || relative == "right")) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file()) continue;
        char magic[4] = {};
        std::ifstream(it->path(), std::ios::binary).read(magic, 4);
        if (std::string_view(magic, 4) == "TZif") names.push_back(relative);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace starwise::atlas;
    static const std::vector<std::string> zones = ZoneNames();
    constexpr int kMaxOffsetSeconds = 24 * 3600;
    FuzzedDataProvider input(data, size);
    const bool known = !zones.empty() && input.ConsumeBool();
    const std::string name = known ? zones[input.ConsumeIntegralInRange<std::size_t>(0, zones.size() - 1)]
                                   : input.ConsumeRandomLengthString(64);
    LocalMinute local;
    const bool extreme = input.ConsumeBool();
    local.year = extreme ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange(1, 9999);
    local.month = input.ConsumeIntegralInRange(-1, 14);
    local.day = input.ConsumeIntegralInRange(-1, 32);
    local.hour = input.ConsumeIntegralInRange(-1, 25);
    local.minute = input.ConsumeIntegralInRange(-1, 60);
    const double longitudeDeg = input.ConsumeFloatingPointInRange(-180.0, 180.0);

    const auto answer = LookUpZoneMoment(name, local);
    const auto* moment = std::get_if<ZoneMoment>(&answer);
    if (moment == nullptr) return 0;
    if (std::abs(moment->utcOffsetSeconds) > kMaxOffsetSeconds) __builtin_trap();
    if (std::abs(moment->otherOffsetSeconds) > kMaxOffsetSeconds) __builtin_trap();
    if (moment->utcOffsetMinutes != static_cast<int>(std::lround(moment->utcOffsetSeconds / 60.0))) __builtin_trap();
    if (moment->kind == LocalTimeKind::Unique && moment->otherOffsetSeconds != moment->utcOffsetSeconds) __builtin_trap();

    if (moment->kind == LocalTimeKind::Unique) {
        cctz::time_zone zone;
        if (!cctz::load_time_zone(name, &zone)) __builtin_trap();  // LookUpZoneMoment knew it
        const cctz::civil_second civil(local.year, local.month, local.day, local.hour, local.minute, 0);
        const auto utc = cctz::convert(civil, cctz::utc_time_zone()) - std::chrono::seconds(moment->utcOffsetSeconds);
        if (cctz::convert(utc, zone) != civil) __builtin_trap();
    }

    const ZoneRowMatch match = MatchZoneRow(*moment);
    if (match.choice) {
        if (ChoiceUtcOffsetMinutes(*match.choice) != moment->utcOffsetMinutes) __builtin_trap();
        // The row gives the database's offset to the second.
        if (ZoneUtcOffsetSeconds(starwise::entry::BirthZone{*match.choice}) != moment->utcOffsetSeconds) __builtin_trap();
    } else if (match.message.empty()) {
        __builtin_trap();  // no row fits: the message says why
    }
    (void)ZoneForMoment(*moment, longitudeDeg);
    (void)ZoneSummary(name, *moment);
    (void)UtcOffsetText(moment->utcOffsetSeconds);
    (void)LocalMinuteText(local);
    return 0;
}
