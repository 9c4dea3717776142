// starwise-cli's people: the store named by --people (or the default one),
// --list-people, --save, --export-aaf and --import-aaf. Messages go to
// standard error; the answers are exit statuses.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "people/people_store.h"

namespace starwise::cli {

inline constexpr int kStoreFailed = 1;  // the people file could not be read or written
inline constexpr int kInputRefused = 2;

// The file: --people FILE, else the default (people::DefaultPeoplePath from
// XDG_DATA_HOME and HOME).
std::string PeopleFileOf(const std::optional<std::string>& peopleFlag);

// Opens the store, for reading only unless `write`; null with `failed` set
// (and the reason said on standard error) when it cannot be used. A file that
// does not exist yet is created when `write`, and is an empty list (null
// store, `failed` not set) otherwise.
std::unique_ptr<people::PeopleStore> OpenPeople(const std::string& path, bool write, bool& failed);

// --list-people: one line per person (id, name, date and time, place), or
// with json one array of objects {id, name, date, time, latitude, longitude,
// zone, daylight_saving, utc_offset_seconds, utc_offset_source, place, note,
// created, changed, used}; most recently used first.
int ListPeople(const std::string& path, bool json);

// --export-aaf FILE: every person, written whole or not at all.
int ExportPeople(const std::string& path, const std::string& aafFile);

// --import-aaf FILE: every record or none; each unreadable line is named.
int ImportPeople(const std::string& path, const std::string& aafFile);

// --save: stores the birth under its name; says so.
int SavePerson(const std::string& path, const entry::BirthInput& birth);

}  // namespace starwise::cli
