// AAF, the astrological data exchange format: plain text, one record per
// person, each a "#A93:" line (name, first name, kind, date, time, place,
// country) usually followed by "#B93:" (Julian day, latitude, longitude, zone,
// daylight saving) and other chunks. Fields are separated by commas, "*"
// stands for an unknown value, and white space around a field is ignored. The
// format is described in "AAF Format Definition" (M. Garms, B. Happel, 3 Feb
// 1997; its English summary, section 2, "The basic structure of AAF data", on
// astrowissen.de) and "AAF-Definition, Stand 1.11.2005" (the pages "Basisdaten
// AAF-A" and "Exakte Daten AAF-B", astrowissen.de/aaf/aaf97/).
//
// Read: #A93, #B93, #ZNAM (the zone's abbreviation), #COM (a note, with its
// continuation lines) and our own #STARWISE (the coordinates as stored, and
// where an exact offset came from); other chunks and "#:" comments are
// skipped. Written: the same five chunks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "people/person.h"

namespace starwise::people {

struct AafRecord {
    int lineNumber = 0;  // the #A93 line, from 1
    PersonEntry entry;
};

// A line that could not be read, and why.
struct AafLineProblem {
    int lineNumber = 0;  // from 1
    std::string lineText;  // the line as read, cut to 80 bytes
    std::string reason;    // "the date 19.1.1839 is outside 1901..2050"
};

struct AafReading {
    std::vector<AafRecord> records;        // every record read in full, in file order
    std::vector<AafLineProblem> problems;  // every line that could not be read, in file order
};

// Reads AAF text, UTF-8 or (when it is not valid UTF-8) Latin-1, with any
// line endings. A record is read only when it gives a whole birth: name,
// date (1901..2050), time, coordinates and zone; a B93 Julian day that
// disagrees with the date, time and zone by more than a minute is a problem.
//
// The zone: the B93 zone field is hours [h] e|w [minutes [:seconds]] east or
// west of Greenwich ("1he", "5hw00", "0e21:48") or a bare number of hours
// east ("1"); the daylight-saving field adds 0, 1 or 2 hours, or is "L"/"m"
// for the place's local mean time (the zone field's value, else longitude /
// 15 h). When #ZNAM names a zone-list row whose offset is the record's
// offset, the person gets that row (and the daylight tick); otherwise the
// exact offset, as given.
AafReading ReadAaf(std::string_view text);

struct AafWriting {
    std::string text;                 // UTF-8, LF line ends
    std::vector<std::string> changes;  // texts changed to fit the format (a comma in a name), one line each
};

// Writes people as AAF records. The name is split at its last space into
// first name and name; a place label "City, State, Country" becomes the place
// "City/State" and the country "Country". A zone-list row is written as its
// standard offset with the daylight field 0 or 1 and #ZNAM with the row's
// abbreviation; an exact offset as hours and minutes (and seconds), "L" and
// #ZNAM:LMT for local mean time. Commas cannot stand in a field: they are
// written as semicolons and listed in `changes`.
AafWriting WriteAaf(const std::vector<PersonEntry>& people);

// The Julian day of a birth's instant, UT (days since -4712-01-01 12:00 UT,
// proleptic Gregorian calendar from the civil date).
double JulianDayOfBirth(const entry::BirthInput& birth);

// The birth's UTC offset in seconds, east positive.
int UtcOffsetSecondsOf(const entry::BirthZone& zone);

}  // namespace starwise::people
