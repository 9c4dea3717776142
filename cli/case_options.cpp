#include "cli/case_options.h"

#include <CLI/CLI.hpp>

namespace starwise::cli {

void AddCaseOptions(CLI::App& app, entry::BirthFlags& flags) {
    app.add_option("--date", flags.date, "Date of birth, YYYY-MM-DD (years 1901 to 2050)");
    app.add_option("--time", flags.time, "Local clock time of birth, HH:MM");
    app.add_option("--zone", flags.zone, "Time zone: its position 0..70 in --list-zones, or its exact text");
    app.add_flag("--dst", flags.daylightSaving, "Daylight saving time was in force");
    app.add_option("--lon", flags.longitude, "Longitude, DDD:MM followed by E or W (e.g. 74:00W)");
    app.add_option("--lat", flags.latitude, "Latitude, DD:MM followed by N or S (e.g. 40:43N)");
    app.add_option("--name", flags.name, "Name (letters and spaces; not used by the reading)");
}

}  // namespace starwise::cli
