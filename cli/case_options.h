// The birth flags of one case declared on the command-line parser.
#pragma once

#include "entry/birth_flags.h"

namespace CLI {
class App;
}

namespace starwise::cli {

// Declares --date, --time, --zone, --dst, --no-dst, --lon, --lat, --name and --place.
void AddCaseOptions(CLI::App& app, entry::BirthFlags& flags);

}  // namespace starwise::cli
