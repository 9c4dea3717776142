#include "cli/case_options.h"

#include <CLI/CLI.hpp>

namespace starwise::cli {

void AddCaseOptions(CLI::App& app, entry::BirthFlags& flags) {
    app.add_option("--date", flags.date, "Date of birth, YYYY-MM-DD (years 1901 to 2050)");
    app.add_option("--time", flags.time, "Local clock time of birth, HH:MM");
    app.add_option("--zone", flags.zone, "Time zone: its position 0..70 in --list-zones, or its exact text");
    auto* dst = app.add_flag_callback("--dst", [&flags] { flags.daylightSaving = true; },
                                      "Daylight saving time was in force (the box of the entry form)");
    auto* noDst = app.add_flag_callback("--no-dst", [&flags] { flags.daylightSaving = false; },
                                        "Daylight saving time was not in force (with --place: overrules the place)");
    dst->excludes(noDst);
    app.add_option("--lon", flags.longitude, "Longitude, DDD:MM followed by E or W (e.g. 74:00W)");
    app.add_option("--lat", flags.latitude, "Latitude, DD:MM followed by N or S (e.g. 40:43N)");
    app.add_option("--name", flags.name,
                   "Name (letters of any script, spaces, hyphens and apostrophes; not used by the reading)");
    app.add_option("--place", flags.place,
                   "Place of birth as in --find-place; its first match supplies whatever of --lon, --lat, "
                   "--zone and --dst is not given, the zone from the time zone database");
}

}  // namespace starwise::cli
