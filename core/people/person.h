// One saved person: a name (not unique), the typed birth a reading is made
// from, a note, and when the entry was made, changed and last used.
#pragma once

#include <cstdint>
#include <string>

#include "entry/birth_input.h"

namespace starwise::people {

// What a caller gives to store a person; the store adds the id and times.
struct PersonEntry {
    std::string name;          // as typed; two people may share it
    entry::BirthInput birth;   // birth.name is ignored: the entry's name is kept once, above
    std::string note;          // free text, may hold line breaks
};

struct Person {
    std::int64_t id = 0;       // given by the store, never reused after a delete
    PersonEntry entry;
    std::int64_t createdUnixMs = 0;  // milliseconds since 1970-01-01 00:00 UTC
    std::int64_t changedUnixMs = 0;
    std::int64_t usedUnixMs = 0;     // last chosen for a reading; the list's order, newest first
};

}  // namespace starwise::people
