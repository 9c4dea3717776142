#include "people/people_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "atlas/text_folding.h"

namespace starwise::people {
namespace {

namespace fs = std::filesystem;

// One forward step of the schema: run inside one transaction together with
// PRAGMA user_version = toVersion.
struct SchemaStep {
    int toVersion;
    std::string_view sql;
};

constexpr std::array<SchemaStep, 2> kSchemaSteps{{
    {1,
     "CREATE TABLE people ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT,"
     " name TEXT NOT NULL,"
     " birth_date TEXT NOT NULL,"                        // YYYY-MM-DD, local calendar date
     " local_minutes INTEGER NOT NULL CHECK (local_minutes BETWEEN 0 AND 1439),"
     " latitude_deg REAL NOT NULL CHECK (latitude_deg BETWEEN -90 AND 90),"
     " longitude_deg REAL NOT NULL CHECK (longitude_deg BETWEEN -180 AND 180),"
     " zone_position INTEGER CHECK (zone_position BETWEEN 0 AND 70),"  // a row of the zone list, or NULL
     " daylight_saving INTEGER NOT NULL DEFAULT 0 CHECK (daylight_saving IN (0, 1)),"
     " utc_offset_seconds INTEGER CHECK (utc_offset_seconds BETWEEN -57600 AND 57600),"  // or NULL
     " offset_source TEXT CHECK (offset_source IN ('given', 'tz-database', 'local-mean-time')),"
     " place_label TEXT NOT NULL DEFAULT '',"
     " note TEXT NOT NULL DEFAULT '',"
     " created_unix_ms INTEGER NOT NULL,"
     " changed_unix_ms INTEGER NOT NULL,"
     " CHECK ((zone_position IS NULL) <> (utc_offset_seconds IS NULL)))"},
    {2,
     "ALTER TABLE people ADD COLUMN used_unix_ms INTEGER NOT NULL DEFAULT 0;"
     "UPDATE people SET used_unix_ms = changed_unix_ms;"},
}};
static_assert(kSchemaSteps.size() == kSchemaVersion);

constexpr std::string_view kColumns =
    "id, name, birth_date, local_minutes, latitude_deg, longitude_deg, zone_position, daylight_saving,"
    " utc_offset_seconds, offset_source, place_label, note, created_unix_ms, changed_unix_ms, ";

struct SourceName {
    entry::OffsetSource source;
    std::string_view name;
};
constexpr std::array<SourceName, 3> kSourceNames{{
    {entry::OffsetSource::Given, "given"},
    {entry::OffsetSource::TimeZoneDatabase, "tz-database"},
    {entry::OffsetSource::LocalMeanTime, "local-mean-time"},
}};

std::int64_t NowUnixMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A prepared statement, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql) {
        rc_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int prepareCode() const { return rc_; }
    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
    void Bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
    void Bind(int index, std::string_view text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void BindNull(int index) { sqlite3_bind_null(stmt_, index); }
    int Step() { return rc_ == SQLITE_OK ? sqlite3_step(stmt_) : rc_; }
    void Reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    double Real(int column) const { return sqlite3_column_double(stmt_, column); }
    bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    std::string Text(int column) const {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                    : std::string{};
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The message for a failed SQLite call: what happened to the file and what
// the person can do about it.
StoreResult ErrorOf(sqlite3* db, int rc, const std::string& path, std::string_view doing, int busyTimeoutMs = 0) {
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const std::string file = Quoted(path);
    switch (rc & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreResult::Fail(
                StoreStatus::Locked,
                "Could not " + std::string{doing} + ": the people file " + file +
                    " is in use by another program (Starwise or starwise-cli)" +
                    (busyTimeoutMs > 0 ? " and stayed busy for " + std::to_string(busyTimeoutMs) + " ms" : "") +
                    ". Nothing was changed; try again when the other program has finished.");
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return StoreResult::Fail(StoreStatus::ReadOnly,
                                     "Could not " + std::string{doing} + ": the people file " + file +
                                         " can only be read (" + detail +
                                         "). Nothing was changed; give yourself write permission to the file and "
                                         "its folder, or use another people file.");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return StoreResult::Fail(StoreStatus::Corrupt,
                                     "The people file " + file + " is damaged or is not a database (" + detail +
                                         "). It has been left as it is. Keep a copy of it, then restore it from a "
                                         "backup or move it away to start a new list.");
        case SQLITE_FULL:
            return StoreResult::Fail(StoreStatus::Failed, "Could not " + std::string{doing} + ": the disk holding " +
                                                              file + " is full. Nothing was changed; free some "
                                                              "space and try again.");
        default:
            return StoreResult::Fail(StoreStatus::Failed, "Could not " + std::string{doing} + " in the people file " +
                                                              file + " (" + detail +
                                                              "). Nothing was changed; check the file and its "
                                                              "folder, then try again.");
    }
}

// Runs SQL that returns no rows of interest.
int Exec(sqlite3* db, std::string_view sql) { return sqlite3_exec(db, std::string{sql}.c_str(), nullptr, nullptr, nullptr); }

// The file name as an SQLite URI ("file:/a%20b?immutable=1"), for opening a
// file whose folder cannot be written (see Open).
std::string ImmutableUri(const std::string& path) {
    std::string uri = "file:";
    const std::string absolute = fs::absolute(path).string();
    for (const char c : absolute) {
        if (c == '%' || c == '?' || c == '#' || static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[(static_cast<unsigned char>(c) >> 4) & 0xf];
            uri += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

bool CanWrite(const std::string& path) { return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string{"."} : parent.string();
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

// Opens the connection; rc and the connection (which may be set on failure,
// for its message).
std::pair<int, Connection> OpenConnection(const std::string& name, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(name.c_str(), &raw, flags, nullptr);
    Connection db{raw};
    if (db) sqlite3_extended_result_codes(db.get(), 1);
    return {rc, std::move(db)};
}

// PRAGMA quick_check: SQLITE_OK and "ok" for a sound file.
std::pair<int, std::string> QuickCheck(sqlite3* db) {
    Statement check{db, "PRAGMA quick_check(1)"};
    const int rc = check.Step();
    if (rc == SQLITE_ROW) return {SQLITE_OK, check.Text(0)};
    return {rc, {}};
}

std::string DateText(const std::chrono::year_month_day& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<std::chrono::year_month_day> DateOfText(const std::string& text) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &tail) != 3) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
    if (!date.ok()) return std::nullopt;
    return date;
}

// Binds a person's values to ?1..?10 (name, date, minutes, latitude,
// longitude, zone row, tick, offset, source, place label) and ?11 (note).
void BindEntry(Statement& statement, const PersonEntry& entry) {
    const entry::BirthInput& birth = entry.birth;
    statement.Bind(1, std::string_view{entry.name});
    statement.Bind(2, std::string_view{DateText(birth.localDate)});
    statement.Bind(3, static_cast<std::int64_t>(birth.localMinutes));
    statement.Bind(4, birth.latitudeDeg);
    statement.Bind(5, birth.longitudeDeg);
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&birth.zone)) {
        statement.Bind(6, static_cast<std::int64_t>(row->zonePosition));
        statement.Bind(7, static_cast<std::int64_t>(row->daylightSaving ? 1 : 0));
        statement.BindNull(8);
        statement.BindNull(9);
    } else {
        const auto& exact = std::get<entry::ExactOffset>(birth.zone);
        statement.BindNull(6);
        statement.Bind(7, std::int64_t{0});
        statement.Bind(8, static_cast<std::int64_t>(exact.utcOffsetSeconds));
        for (const SourceName& source : kSourceNames) {
            if (source.source == exact.source) statement.Bind(9, source.name);
        }
    }
    statement.Bind(10, std::string_view{birth.placeLabel});
    statement.Bind(11, std::string_view{entry.note});
}

// A person from a row selected with kColumns + the used time; nothing when
// the row's values are not a birth this program can read.
std::optional<Person> PersonOfRow(const Statement& row) {
    Person person;
    person.id = row.Int(0);
    person.entry.name = row.Text(1);
    entry::BirthInput& birth = person.entry.birth;
    const auto date = DateOfText(row.Text(2));
    if (!date) return std::nullopt;
    birth.localDate = *date;
    birth.localMinutes = static_cast<int>(row.Int(3));
    birth.latitudeDeg = row.Real(4);
    birth.longitudeDeg = row.Real(5);
    if (!row.IsNull(6)) {
        birth.zone = entry::ZoneRowChoice{static_cast<int>(row.Int(6)), row.Int(7) != 0};
    } else {
        const std::string sourceName = row.Text(9);
        const SourceName* found = nullptr;
        for (const SourceName& source : kSourceNames) {
            if (source.name == sourceName) found = &source;
        }
        if (!found || row.IsNull(8)) return std::nullopt;
        birth.zone = entry::ExactOffset{static_cast<int>(row.Int(8)), found->source};
    }
    birth.placeLabel = row.Text(10);
    birth.name = person.entry.name;
    person.entry.note = row.Text(11);
    person.createdUnixMs = row.Int(12);
    person.changedUnixMs = row.Int(13);
    person.usedUnixMs = row.Int(14);
    if (!BirthProblem(birth).empty()) return std::nullopt;
    return person;
}

}  // namespace

std::string DefaultPeoplePath(const char* xdgDataHome, const char* home) {
    fs::path base;
    if (xdgDataHome && xdgDataHome[0] == '/') {
        base = xdgDataHome;
    } else if (home && home[0] != '\0') {
        base = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return (base / "starwise" / "people.sqlite").string();
}

std::string BirthProblem(const entry::BirthInput& birth) {
    const int year = static_cast<int>(birth.localDate.year());
    if (!birth.localDate.ok() || year < 1901 || year > 2050) return "the date is not a valid date in 1901..2050";
    if (birth.localMinutes < 0 || birth.localMinutes > 1439) return "the time is not within 00:00..23:59";
    if (!(birth.latitudeDeg >= -90.0 && birth.latitudeDeg <= 90.0)) return "the latitude is not within -90..90 degrees";
    if (!(birth.longitudeDeg >= -180.0 && birth.longitudeDeg <= 180.0)) {
        return "the longitude is not within -180..180 degrees";
    }
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&birth.zone)) {
        if (row->zonePosition < 0 || row->zonePosition > 70) return "the zone is not a row of the zone list";
    } else {
        const int offset = std::get<entry::ExactOffset>(birth.zone).utcOffsetSeconds;
        if (offset < -57600 || offset > 57600) return "the UTC offset is not within -16:00..+16:00";
    }
    return {};
}

PeopleStore::PeopleStore(std::string path, sqlite3* db, int schemaVersion, StoreResult writeRefusal, int busyTimeoutMs)
    : path_(std::move(path)),
      db_(db),
      schemaVersion_(schemaVersion),
      writeRefusal_(std::move(writeRefusal)),
      busyTimeoutMs_(busyTimeoutMs) {}

PeopleStore::~PeopleStore() { sqlite3_close_v2(db_); }

OpenedStore PeopleStore::Open(const std::string& path, StoreOptions options) {
    if (path.empty()) {
        return {nullptr, StoreResult::Fail(StoreStatus::Failed,
                                           "There is no file for the saved people: neither XDG_DATA_HOME nor HOME "
                                           "is set. Set HOME, or name a people file.")};
    }
    const std::string file = Quoted(path);
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        return {nullptr, StoreResult::Fail(StoreStatus::Failed, "The people file " + file +
                                                                    " is not a regular file; it has been left as "
                                                                    "it is. Name a regular file for the people.")};
    }
    if (!exists && options.readOnly) {
        return {nullptr, StoreResult::Fail(StoreStatus::NotFound, "The people file " + file +
                                                                      " does not exist yet: no one has been saved.")};
    }
    if (!exists && !fs::is_directory(FolderOf(path))) {
        // A new folder for personal data is the owner's alone (as the XDG
        // rules ask of the folders they name).
        std::error_code error;
        if (fs::create_directories(FolderOf(path), error)) fs::permissions(FolderOf(path), fs::perms::owner_all, error);
        if (error) {
            return {nullptr, StoreResult::Fail(StoreStatus::Failed, "Could not create the folder \"" + FolderOf(path) +
                                                                        "\" for the people file (" + error.message() +
                                                                        "). Check its parent folder's permissions.")};
        }
    }

    // A WAL file needs its folder writable for the -wal and -shm files.
    StoreResult refusal;
    if (options.readOnly) {
        refusal = StoreResult::Fail(StoreStatus::ReadOnly, "The people file " + file + " was opened for reading only.");
    } else if (exists && !CanWrite(path)) {
        refusal = StoreResult::Fail(StoreStatus::ReadOnly,
                                    "The people file " + file +
                                        " can only be read: there is no permission to write it. The list is shown, "
                                        "but no one can be saved, changed or deleted; give yourself write "
                                        "permission (chmod u+w) or use another people file.");
    } else if (!CanWrite(FolderOf(path))) {
        refusal = StoreResult::Fail(StoreStatus::ReadOnly,
                                    "The people file " + file + " can only be read: its folder \"" + FolderOf(path) +
                                        "\" cannot be written. The list is shown, but no one can be saved, changed "
                                        "or deleted; give yourself write permission to the folder or use another "
                                        "people file.");
    }
    const bool writable = refusal.ok();

    auto [rc, db] = OpenConnection(path, writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY);
    if (rc != SQLITE_OK) return {nullptr, ErrorOf(db.get(), rc, path, "open the people file")};
    sqlite3_busy_timeout(db.get(), options.busyTimeoutMs);

    auto [checkRc, checkText] = QuickCheck(db.get());
    if (!writable && checkRc != SQLITE_OK && (checkRc & 0xff) != SQLITE_CORRUPT && (checkRc & 0xff) != SQLITE_NOTADB &&
        (checkRc & 0xff) != SQLITE_BUSY) {
        // A WAL file in a folder that cannot be written cannot make its
        // shared-memory index; SQLite can still read it as unchanging
        // ("immutable"), which is what a read-only folder guarantees for us.
        // Immutable reading skips the -wal file, so one that holds saved
        // changes must not be left unread.
        struct stat wal {};
        if (::stat((path + "-wal").c_str(), &wal) == 0 && wal.st_size > 0) {
            return {nullptr, StoreResult::Fail(StoreStatus::ReadOnly,
                                               "The people file " + file + " has saved changes in \"" + path +
                                                   "-wal\" that cannot be read while its folder \"" + FolderOf(path) +
                                                   "\" cannot be written. Give yourself write permission to the "
                                                   "folder once, and the changes are merged into the file.")};
        }
        auto reopened = OpenConnection(ImmutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        if (reopened.first != SQLITE_OK) return {nullptr, ErrorOf(reopened.second.get(), reopened.first, path, "open the people file")};
        db = std::move(reopened.second);
        std::tie(checkRc, checkText) = QuickCheck(db.get());
    }
    if (checkRc != SQLITE_OK) return {nullptr, ErrorOf(db.get(), checkRc, path, "read the people file", options.busyTimeoutMs)};
    if (checkText != "ok") {
        return {nullptr, StoreResult::Fail(StoreStatus::Corrupt,
                                           "The people file " + file + " is damaged (SQLite's check says: " +
                                               checkText +
                                               "). It has been left as it is. Keep a copy of it, then restore it "
                                               "from a backup or move it away to start a new list.")};
    }

    int version = 0;
    {
        Statement query{db.get(), "PRAGMA user_version"};
        if (const int stepRc = query.Step(); stepRc != SQLITE_ROW) {
            return {nullptr, ErrorOf(db.get(), stepRc, path, "read the people file", options.busyTimeoutMs)};
        }
        version = static_cast<int>(query.Int(0));
    }
    if (version == 0) {
        Statement objects{db.get(), "SELECT count(*) FROM sqlite_schema"};
        if (objects.Step() == SQLITE_ROW && objects.Int(0) > 0) {
            return {nullptr, StoreResult::Fail(StoreStatus::NotPeopleFile,
                                               "The file " + file +
                                                   " is a database of something else, not a Starwise people file. "
                                                   "It has been left as it is; use another people file.")};
        }
    }
    if (version > kSchemaVersion) {
        StoreResult newer = StoreResult::Fail(
            StoreStatus::NewerVersion,
            "The people file " + file + " was written by a newer Starwise (its format is version " +
                std::to_string(version) + "; this program knows versions up to " + std::to_string(kSchemaVersion) +
                "). The list is shown, but no one can be saved, changed or deleted; use the newer Starwise or "
                "another people file.");
        return {std::unique_ptr<PeopleStore>(new PeopleStore(path, db.release(), version, newer, options.busyTimeoutMs)), newer};
    }

    if (writable) {
        // WAL: readers and one writer work side by side, and a commit is one
        // append to the log. synchronous=FULL syncs the log at every commit,
        // so a saved person also survives a power cut.
        Exec(db.get(), "PRAGMA journal_mode=WAL");
        Exec(db.get(), "PRAGMA synchronous=FULL");
        for (const SchemaStep& step : kSchemaSteps) {
            if (step.toVersion <= version) continue;
            int stepRc = Exec(db.get(), "BEGIN IMMEDIATE");
            if (stepRc == SQLITE_OK) {
                // Another program may have migrated the file meanwhile.
                Statement recheck{db.get(), "PRAGMA user_version"};
                const int current = recheck.Step() == SQLITE_ROW ? static_cast<int>(recheck.Int(0)) : version;
                if (current >= step.toVersion) {
                    stepRc = Exec(db.get(), "COMMIT");
                    version = current;
                    continue;
                }
                stepRc = Exec(db.get(), step.sql);
                if (stepRc == SQLITE_OK) {
                    stepRc = Exec(db.get(), "PRAGMA user_version = " + std::to_string(step.toVersion));
                }
                if (stepRc == SQLITE_OK) stepRc = Exec(db.get(), "COMMIT");
            }
            if (stepRc != SQLITE_OK) {
                StoreResult error = ErrorOf(db.get(), stepRc, path,
                                            "bring the people file up to version " + std::to_string(step.toVersion),
                                            options.busyTimeoutMs);
                Exec(db.get(), "ROLLBACK");
                return {nullptr, error};
            }
            version = step.toVersion;
        }
    }
    return {std::unique_ptr<PeopleStore>(new PeopleStore(path, db.release(), version, refusal, options.busyTimeoutMs)), refusal};
}

StoreResult PeopleStore::CheckWritable() const { return writeRefusal_; }

StoreAnswer<std::vector<Person>> PeopleStore::List() const {
    StoreAnswer<std::vector<Person>> answer;
    if (schemaVersion_ == 0) return answer;  // a new file seen read-only: no one yet
    const std::string used = schemaVersion_ >= 2 ? "used_unix_ms" : "changed_unix_ms";
    Statement query{db_, std::string{"SELECT "} + std::string{kColumns} + used +
                             " FROM people ORDER BY " + used + " DESC, id DESC"};
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        auto person = PersonOfRow(query);
        if (!person) {
            answer.result = StoreResult::Fail(
                StoreStatus::Corrupt, "The people file " + Quoted(path_) + " holds a person (id " +
                                          std::to_string(query.Int(0)) +
                                          ") whose birth cannot be read. The file has been left as it is; delete "
                                          "that person or restore the file from a backup.");
            answer.value.clear();
            return answer;
        }
        answer.value.push_back(std::move(*person));
    }
    if (rc != SQLITE_DONE) {
        answer.result = ErrorOf(db_, rc, path_, "read the people");
        answer.value.clear();
    }
    return answer;
}

StoreAnswer<std::optional<Person>> PeopleStore::Find(std::int64_t id) const {
    StoreAnswer<std::optional<Person>> answer;
    auto all = List();
    answer.result = all.result;
    for (Person& person : all.value) {
        if (person.id == id) answer.value = std::move(person);
    }
    return answer;
}

StoreAnswer<std::vector<Person>> PeopleStore::FindByName(std::string_view name) const {
    auto all = List();
    StoreAnswer<std::vector<Person>> answer{all.result, {}};
    const std::string wanted = atlas::FoldForSearch(name);
    for (Person& person : all.value) {
        if (atlas::FoldForSearch(person.entry.name) == wanted) answer.value.push_back(std::move(person));
    }
    return answer;
}

StoreAnswer<std::int64_t> PeopleStore::Add(const PersonEntry& entry) {
    auto all = AddAll({entry});
    return {all.result, all.value.empty() ? 0 : all.value.front()};
}

StoreAnswer<std::vector<std::int64_t>> PeopleStore::AddAll(const std::vector<PersonEntry>& entries) {
    StoreAnswer<std::vector<std::int64_t>> answer;
    if (StoreResult refused = CheckWritable(); !refused.ok()) return {refused, {}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (const std::string problem = BirthProblem(entries[i].birth); !problem.empty()) {
            return {StoreResult::Fail(StoreStatus::Invalid, "Could not save " + entries[i].name + ": " + problem + "."),
                    {}};
        }
    }
    const std::string doing = entries.size() == 1 ? "save the person" : "save the people";
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return {ErrorOf(db_, rc, path_, doing, busyTimeoutMs_), {}};
    const std::int64_t now = NowUnixMs();
    {
        Statement insert{db_,
                         "INSERT INTO people (name, birth_date, local_minutes, latitude_deg, longitude_deg, "
                         "zone_position, daylight_saving, utc_offset_seconds, offset_source, place_label, note, "
                         "created_unix_ms, changed_unix_ms, used_unix_ms) "
                         "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?12, ?12)"};
        for (const PersonEntry& entry : entries) {
            insert.Reset();
            BindEntry(insert, entry);
            insert.Bind(12, now);
            rc = insert.Step();
            if (rc != SQLITE_DONE) break;
            rc = SQLITE_OK;
            answer.value.push_back(sqlite3_last_insert_rowid(db_));
        }
    }
    if (rc == SQLITE_OK) rc = Exec(db_, "COMMIT");
    if (rc != SQLITE_OK) {
        StoreResult error = ErrorOf(db_, rc, path_, doing);
        Exec(db_, "ROLLBACK");
        return {error, {}};
    }
    return answer;
}

StoreResult PeopleStore::Change(std::int64_t id, std::string_view sql, std::string_view name, const PersonEntry* entry) {
    if (StoreResult refused = CheckWritable(); !refused.ok()) return refused;
    if (entry) {
        if (const std::string problem = BirthProblem(entry->birth); !problem.empty()) {
            return StoreResult::Fail(StoreStatus::Invalid, "Could not save " + entry->name + ": " + problem + ".");
        }
    }
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return ErrorOf(db_, rc, path_, "change the person", busyTimeoutMs_);
    int changed = 0;
    {
        Statement statement{db_, sql};
        if (entry) BindEntry(statement, *entry);
        if (!name.empty()) statement.Bind(1, name);
        statement.Bind(12, NowUnixMs());
        statement.Bind(13, id);
        rc = statement.Step();
        changed = sqlite3_changes(db_);
    }
    if (rc == SQLITE_DONE) rc = Exec(db_, "COMMIT");
    if (rc != SQLITE_OK) {
        StoreResult error = ErrorOf(db_, rc, path_, "change the person");
        Exec(db_, "ROLLBACK");
        return error;
    }
    if (changed == 0) {
        return StoreResult::Fail(StoreStatus::NotFound, "There is no person with id " + std::to_string(id) +
                                                            " in the people file " + Quoted(path_) + ".");
    }
    return {};
}

StoreResult PeopleStore::Update(std::int64_t id, const PersonEntry& entry) {
    return Change(id,
                  "UPDATE people SET name = ?1, birth_date = ?2, local_minutes = ?3, latitude_deg = ?4, "
                  "longitude_deg = ?5, zone_position = ?6, daylight_saving = ?7, utc_offset_seconds = ?8, "
                  "offset_source = ?9, place_label = ?10, note = ?11, changed_unix_ms = ?12 WHERE id = ?13",
                  {}, &entry);
}

StoreResult PeopleStore::Rename(std::int64_t id, std::string_view name) {
    if (name.find_first_not_of(" \t") == std::string_view::npos) {
        return StoreResult::Fail(StoreStatus::Invalid, "A person's name cannot be empty.");
    }
    return Change(id, "UPDATE people SET name = ?1, changed_unix_ms = ?12 WHERE id = ?13", name, nullptr);
}

StoreResult PeopleStore::Remove(std::int64_t id) {
    return Change(id, "DELETE FROM people WHERE id = ?13", {}, nullptr);
}

StoreResult PeopleStore::MarkUsed(std::int64_t id) {
    // Later than every other use even within one millisecond, so the person
    // comes first in the list.
    return Change(id,
                  "UPDATE people SET used_unix_ms = max(?12, (SELECT max(used_unix_ms) + 1 FROM people)) "
                  "WHERE id = ?13",
                  {}, nullptr);
}

}  // namespace starwise::people
