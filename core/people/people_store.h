// The saved people: one SQLite file shared by the desktop program and the
// command line (they may have it open at the same time).
//
// Durability: the file is in WAL mode with synchronous=FULL, and every change
// is one transaction (BEGIN IMMEDIATE ... COMMIT), so a change that has
// returned Ok survives a crash or kill of the process, and a change cut off
// half-way leaves no trace (SQLite's atomic commit: "Atomic Commit In SQLite"
// and "Write-Ahead Logging", sqlite.org). The schema version is PRAGMA
// user_version; older files are migrated forward on open, one transaction per
// step. A damaged, foreign or newer file is never rewritten or replaced.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "people/person.h"
#include "people/store_result.h"

struct sqlite3;

namespace starwise::people {

// The schema version this program writes. 1: the people table; 2: the time
// a person was last used, and an index on names.
inline constexpr int kSchemaVersion = 2;

// The store's file: $XDG_DATA_HOME/starwise/people.sqlite when XDG_DATA_HOME
// is set to an absolute path, else $HOME/.local/share/starwise/people.sqlite
// (the XDG Base Directory rules). Empty when neither is usable. The values are
// passed in (getenv's results, may be null) so the rule can be tested.
std::string DefaultPeoplePath(const char* xdgDataHome, const char* home);

struct StoreOptions {
    int busyTimeoutMs = 5000;  // how long a write waits for another program's transaction
    bool readOnly = false;     // open for reading only (never creates the file)
};

class PeopleStore;

// What Open gives: a store to read from when one could be opened (possibly
// read-only), and a notice saying why it is limited or why there is none.
struct OpenedStore {
    std::unique_ptr<PeopleStore> store;  // null when the file cannot be read at all
    StoreResult notice;                  // Ok, or ReadOnly / NewerVersion with a store; any failure without one
};

class PeopleStore {
public:
    // Opens the file, creating it (and its folder) when it does not exist,
    // unless options.readOnly. Checks it with PRAGMA quick_check and brings
    // its schema up to kSchemaVersion. A file that cannot be written is
    // opened read-only and said so.
    static OpenedStore Open(const std::string& path, StoreOptions options = {});

    ~PeopleStore();
    PeopleStore(const PeopleStore&) = delete;
    PeopleStore& operator=(const PeopleStore&) = delete;

    const std::string& path() const { return path_; }
    bool canWrite() const { return writeRefusal_.ok(); }
    int schemaVersion() const { return schemaVersion_; }

    // Every person, most recently used first (then newest id first).
    StoreAnswer<std::vector<Person>> List() const;
    StoreAnswer<std::optional<Person>> Find(std::int64_t id) const;
    // The people whose name is `name` as a search would read it (case,
    // accents, hyphens and the spaces around it do not count:
    // atlas::FoldForSearch), most recently used first.
    StoreAnswer<std::vector<Person>> FindByName(std::string_view name) const;

    // Stores a new person; the answer is its id.
    StoreAnswer<std::int64_t> Add(const PersonEntry& entry);
    // Stores several people in one transaction: all of them or none. The
    // answer holds their ids in order.
    StoreAnswer<std::vector<std::int64_t>> AddAll(const std::vector<PersonEntry>& entries);
    // Replaces a person's name, birth and note.
    StoreResult Update(std::int64_t id, const PersonEntry& entry);
    StoreResult Rename(std::int64_t id, std::string_view name);
    StoreResult Remove(std::int64_t id);
    // Records that the person was chosen for a reading now.
    StoreResult MarkUsed(std::int64_t id);

private:
    PeopleStore(std::string path, sqlite3* db, int schemaVersion, StoreResult writeRefusal, int busyTimeoutMs);
    StoreResult CheckWritable() const;
    StoreResult Change(std::int64_t id, std::string_view sql, std::string_view nameOrEmpty, const PersonEntry* entry);

    std::string path_;
    sqlite3* db_ = nullptr;
    int schemaVersion_ = 0;
    StoreResult writeRefusal_;  // Ok when writes are allowed
    int busyTimeoutMs_ = 0;
};

// Checks a birth before it is stored: a valid date in 1901..2050, minutes
// 0..1439, latitude -90..90 and longitude -180..180 degrees, a zone row
// 0..70 or an offset within -16 h..+16 h. Empty when it is fine.
std::string BirthProblem(const entry::BirthInput& birth);

}  // namespace starwise::people
