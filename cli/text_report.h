// The reading as a person reads it in the report window, as plain text:
// Sun sign and profile, Karma Profile, then the running text.
#pragma once

#include <string>

#include "atlas/birth_place.h"
#include "atlas/places.h"
#include "reading/reading.h"

namespace starwise::cli {

// colour: mark the running text's kinds with ANSI escapes (bold, red, green,
// blue); only when standard output is a terminal.
// Appends the report to out.
void AppendTextReport(const reading::Reading& reading, bool colour, std::string& out);

// One line of --find-place: "Pune, Maharashtra, India  18:31N 073:51E  Asia/Kolkata"
// (coordinates to the nearest whole minute, as --lat and --lon take them).
std::string PlaceListLine(const atlas::Place& place);

// The lines put before the text report of a birth completed from a place:
// the place as --find-place lists it, then the zone check's message.
std::string PlaceHeader(const atlas::PlaceZoneCheck& check);

}  // namespace starwise::cli
