// The tz answers of the atlas for the zoneinfo comparison script.
//
//   zone_probe              reads "Zone/Name YYYY-MM-DD HH:MM" lines and prints
//                           one line each: "<offset seconds> <is_dst 0|1>
//                           <ahead 0|1> <U|S|R> <other offset seconds>" (U
//                           unique, S skipped, R repeated), or "error <message>"
//   zone_probe --place-zones prints the zone of every place of the atlas,
//                           one a line, in the atlas's order
//   zone_probe --places      prints every place as "label<TAB>population", one
//                           a line, in the atlas's order
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

#include "atlas/places.h"
#include "atlas/zone_history.h"

namespace {

using starwise::atlas::LocalMinute;
using starwise::atlas::LocalTimeKind;
using starwise::atlas::ZoneHistoryError;
using starwise::atlas::ZoneMoment;

char KindLetter(LocalTimeKind kind) {
    switch (kind) {
        case LocalTimeKind::Skipped: return 'S';
        case LocalTimeKind::Repeated: return 'R';
        case LocalTimeKind::Unique: break;
    }
    return 'U';
}

std::string Answer(const std::string& line) {
    char zone[128] = {};
    LocalMinute local;
    if (std::sscanf(line.c_str(), "%127s %d-%d-%d %d:%d", zone, &local.year, &local.month, &local.day, &local.hour,
                    &local.minute) != 6) {
        return "error unreadable line";
    }
    const auto result = starwise::atlas::LookUpZoneMoment(zone, local);
    if (const auto* error = std::get_if<ZoneHistoryError>(&result)) return "error " + error->message;
    const auto& moment = std::get<ZoneMoment>(result);
    return std::to_string(moment.utcOffsetSeconds) + " " + (moment.daylightSaving ? "1" : "0") + " " +
           (moment.daylightAheadOfStandard ? "1" : "0") + " " + KindLetter(moment.kind) + " " +
           std::to_string(moment.otherOffsetSeconds);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view{argv[1]} == "--place-zones") {
        const starwise::atlas::Atlas atlas;
        for (const auto& place : atlas.Places()) std::cout << place.timeZone << '\n';
        return 0;
    }
    if (argc == 2 && std::string_view{argv[1]} == "--places") {
        const starwise::atlas::Atlas atlas;
        for (const auto& place : atlas.Places()) {
            std::cout << starwise::atlas::PlaceLabel(place) << '\t' << place.population << '\n';
        }
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) std::cout << Answer(line) << '\n';
    return 0;
}
