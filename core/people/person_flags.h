// --person NAME and --person-id N: a saved person's birth in place of the
// birth flags, for the command line, its batch lines and starwise --pdf.
#pragma once

#include "entry/birth_flags.h"
#include "people/people_store.h"
#include "result/result.h"

namespace starwise::people {

// Whether the flags name a saved person.
bool NamesPerson(const entry::BirthFlags& flags);

// The person the flags name, or fails with the message that refuses them:
// --person with --person-id; --person or --person-id with any flag of the
// birth itself (--date, --time, --zone, --dst, --no-dst, --utc-offset,
// --lon, --lat, --place, --name); an id that is not a whole number; a name
// that several people share (their ids are listed) (all InvalidInput); no
// such person, or the store's own failure (Missing).
Result<Person> PersonOfFlags(const entry::BirthFlags& flags, const PeopleStore& store);

}  // namespace starwise::people
