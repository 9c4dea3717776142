// The people store: values in and out, migration, the files it must refuse
// or only read, and survival of kill -9 at any moment.
#include "people/people_store.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace starwise::people {
namespace {

namespace fs = std::filesystem;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr uid_t kNobody = 65534;

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const fs::path& base = fs::temp_directory_path()) {
        std::string pattern = (base / "starwise-people-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        fs::permissions(path_, fs::perms::all);  // the unprivileged user below must reach it
    }
    ~TempFolder() {
        std::error_code error;
        for (const auto& item : fs::recursive_directory_iterator(path_, error)) {
            fs::permissions(item.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(path_, error);
    }
    std::string File(const std::string& name) const { return (fs::path(path_) / name).string(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Permission checks do not apply to root: as root the test acts as nobody
// (effective uid only, given back at the end of the scope).
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_) {
            EXPECT_EQ(::seteuid(kNobody), 0);
        }
    }
    ~AsUnprivilegedUser() {
        if (wasRoot_) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool wasRoot_;
};

PersonEntry EntryNumber(int n) {
    PersonEntry entry;
    entry.name = "Person " + std::to_string(n);
    entry.note = n % 5 == 0 ? "first line\nsecond, with a comma" : "";
    entry::BirthInput& birth = entry.birth;
    birth.localDate = year{1901 + n % 150} / month{static_cast<unsigned>(1 + n % 12)} / day{static_cast<unsigned>(1 + n % 28)};
    birth.localMinutes = (n * 37) % 1440;
    birth.latitudeDeg = (n % 179) - 89 + (n % 60) / 60.0;
    birth.longitudeDeg = (n * 7 % 359) - 179 + (n % 60) / 60.0;
    if (n % 3 == 0) {
        birth.zone = entry::ExactOffset{(n % 2 ? 1 : -1) * (n * 61 % 50000),
                                        n % 2 ? entry::OffsetSource::Given : entry::OffsetSource::LocalMeanTime};
    } else {
        birth.zone = entry::ZoneRowChoice{n % 71, n % 2 == 0};
    }
    birth.placeLabel = n % 4 == 0 ? "" : "Pune, Maharashtra, India";
    return entry;
}

void ExpectSameEntry(const PersonEntry& expected, const PersonEntry& actual) {
    EXPECT_EQ(expected.name, actual.name);
    EXPECT_EQ(expected.note, actual.note);
    EXPECT_EQ(expected.birth.localDate, actual.birth.localDate) << expected.name;
    EXPECT_EQ(expected.birth.localMinutes, actual.birth.localMinutes) << expected.name;
    EXPECT_EQ(expected.birth.latitudeDeg, actual.birth.latitudeDeg) << expected.name;  // stored as the same double
    EXPECT_EQ(expected.birth.longitudeDeg, actual.birth.longitudeDeg) << expected.name;
    EXPECT_TRUE(expected.birth.zone == actual.birth.zone) << expected.name;
    EXPECT_EQ(expected.birth.placeLabel, actual.birth.placeLabel) << expected.name;
}

void RunSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "") << "\n" << sql;
    sqlite3_free(error);
    sqlite3_close(db);
}

std::string FirstValue(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    std::string value = "(no row)";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file holding people 1..3, closed.
void MakeStoreWithThree(const std::string& path) {
    auto opened = PeopleStore::Open(path);
    ASSERT_TRUE(opened.store) << opened.notice.message;
    for (int n = 1; n <= 3; ++n) ASSERT_TRUE(opened.store->Add(EntryNumber(n)).result.ok());
}

TEST(PeoplePath, FollowsTheXdgRules) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"/data", "/home/asha", "/data/starwise/people.sqlite"},
        {"relative/data", "/home/asha", "/home/asha/.local/share/starwise/people.sqlite"},  // not absolute: ignored
        {nullptr, "/home/asha", "/home/asha/.local/share/starwise/people.sqlite"},
        {"", nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultPeoplePath(c.xdgDataHome, c.home), c.expected)
            << "XDG_DATA_HOME=" << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " HOME=" << (c.home ? c.home : "(unset)");
    }
}

TEST(PeopleStore, KeepsWhatWasSavedAndOrdersByLastUse) {
    TempFolder folder;
    const std::string path = folder.File("new/folder/people.sqlite");  // the folders are created
    auto opened = PeopleStore::Open(path);
    ASSERT_TRUE(opened.store) << opened.notice.message;
    ASSERT_TRUE(opened.notice.ok()) << opened.notice.message;
    PeopleStore& store = *opened.store;
    EXPECT_EQ(FirstValue(path, "PRAGMA journal_mode"), "wal");

    std::map<std::int64_t, PersonEntry> saved;
    for (int n = 0; n < 6; ++n) {  // every kind of zone, with and without note and place
        auto added = store.Add(EntryNumber(n));
        ASSERT_TRUE(added.result.ok()) << added.result.message;
        saved[added.value] = EntryNumber(n);
    }
    auto listed = store.List();
    ASSERT_TRUE(listed.result.ok()) << listed.result.message;
    ASSERT_EQ(listed.value.size(), saved.size());
    for (const Person& person : listed.value) ExpectSameEntry(saved.at(person.id), person.entry);

    const std::int64_t oldest = saved.begin()->first;
    ASSERT_TRUE(store.MarkUsed(oldest).ok());
    EXPECT_EQ(store.List().value.front().id, oldest) << "the person used last comes first";

    ASSERT_TRUE(store.Rename(oldest, "Person 0 renamed").ok());
    auto twins = store.Add(EntryNumber(1));  // a second "Person 1": names need not be unique
    ASSERT_TRUE(twins.result.ok());
    EXPECT_EQ(store.FindByName("  person 1 ").value.size(), 2u);
    ASSERT_TRUE(store.Rename(twins.value, "Pérson-1").ok());
    EXPECT_EQ(store.FindByName("person 1").value.size(), 2u) << "accents and hyphens do not count";
    EXPECT_EQ(store.Find(oldest).value->entry.name, "Person 0 renamed");

    ASSERT_TRUE(store.Remove(twins.value).ok());
    EXPECT_EQ(store.Remove(twins.value).status, StoreStatus::NotFound);
    EXPECT_FALSE(store.Find(twins.value).value.has_value());
    EXPECT_GT(store.Add(EntryNumber(7)).value, twins.value) << "an id is never given twice";

    PersonEntry bad = EntryNumber(2);
    bad.birth.localMinutes = 1440;
    EXPECT_EQ(store.Add(bad).result.status, StoreStatus::Invalid);
}

TEST(PeopleStore, MigratesAVersionOneFileForward) {
    TempFolder folder;
    const std::string path = folder.File("people.sqlite");
    // A file as the first version wrote it: no used time.
    RunSql(path,
           "CREATE TABLE people (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, birth_date TEXT NOT NULL,"
           " local_minutes INTEGER NOT NULL, latitude_deg REAL NOT NULL, longitude_deg REAL NOT NULL,"
           " zone_position INTEGER, daylight_saving INTEGER NOT NULL DEFAULT 0, utc_offset_seconds INTEGER,"
           " offset_source TEXT, place_label TEXT NOT NULL DEFAULT '', note TEXT NOT NULL DEFAULT '',"
           " created_unix_ms INTEGER NOT NULL, changed_unix_ms INTEGER NOT NULL);"
           "INSERT INTO people VALUES (1, 'ASHA KULKARNI', '1980-07-15', 390, 18.5167, 73.85, 34, 0, NULL, NULL,"
           " 'Pune, Maharashtra, India', '', 1000, 2000);"
           "PRAGMA user_version = 1;");
    auto opened = PeopleStore::Open(path);
    ASSERT_TRUE(opened.store) << opened.notice.message;
    EXPECT_EQ(opened.store->schemaVersion(), kSchemaVersion);
    EXPECT_EQ(FirstValue(path, "PRAGMA user_version"), std::to_string(kSchemaVersion));
    auto listed = opened.store->List();
    ASSERT_EQ(listed.value.size(), 1u) << listed.result.message;
    const Person& asha = listed.value.front();
    EXPECT_EQ(asha.entry.name, "ASHA KULKARNI");
    EXPECT_TRUE((asha.entry.birth.zone == entry::BirthZone{entry::ZoneRowChoice{34, false}}));
    EXPECT_EQ(asha.usedUnixMs, 2000) << "the used time starts as the changed time";
    EXPECT_TRUE(opened.store->Add(EntryNumber(1)).result.ok());
}

struct ProblemFile {
    std::string what;
    std::function<void(const TempFolder&, const std::string& path)> make;
    StoreStatus expected;
    std::string messageHas;
    bool listReadable;  // the people can still be listed
};

TEST(PeopleStore, ProblemFilesGiveTheirMessageAndAreLeftAsTheyWere) {
    const ProblemFile cases[] = {
        {"read-only file",
         [](const TempFolder&, const std::string& path) {
             MakeStoreWithThree(path);
             ::chmod(path.c_str(), 0444);
         },
         StoreStatus::ReadOnly, "no permission to write it", true},
        {"read-only folder",
         [](const TempFolder& folder, const std::string& path) {
             MakeStoreWithThree(path);
             ::chmod(path.c_str(), 0666);
             ::chmod(folder.path().c_str(), 0555);
         },
         StoreStatus::ReadOnly, "folder", true},
        {"damaged page",
         [](const TempFolder&, const std::string& path) {
             MakeStoreWithThree(path);
             std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(4096 + 8);  // into page 2's b-tree header and cell pointers
             const std::string garbage(64, '\x55');
             file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
         },
         StoreStatus::Corrupt, "damaged", false},
        {"not a database",
         [](const TempFolder&, const std::string& path) { std::ofstream(path) << "#A93:this is an AAF file\n"; },
         StoreStatus::Corrupt, "is not a database", false},
        {"newer version",
         [](const TempFolder&, const std::string& path) {
             MakeStoreWithThree(path);
             RunSql(path, "PRAGMA user_version = 9");
         },
         StoreStatus::NewerVersion, "version 9", true},
        {"another program's database",
         [](const TempFolder&, const std::string& path) { RunSql(path, "CREATE TABLE accounts (x)"); },
         StoreStatus::NotPeopleFile, "not a Starwise people file", false},
    };
    for (const ProblemFile& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.File("people.sqlite");
        c.make(folder, path);
        const std::string before = Bytes(path);
        {
            AsUnprivilegedUser unprivileged;
            auto opened = PeopleStore::Open(path, {.busyTimeoutMs = 100});
            EXPECT_EQ(opened.notice.status, c.expected) << opened.notice.message;
            EXPECT_NE(opened.notice.message.find(c.messageHas), std::string::npos) << opened.notice.message;
            EXPECT_NE(opened.notice.message.find(path), std::string::npos) << "names the file: " << opened.notice.message;
            ASSERT_EQ(opened.store != nullptr, c.listReadable);
            if (opened.store) {
                auto listed = opened.store->List();
                EXPECT_EQ(listed.value.size(), 3u) << listed.result.message;
                auto added = opened.store->Add(EntryNumber(4));
                EXPECT_EQ(added.result.status, c.expected) << added.result.message;
            }
        }
        EXPECT_TRUE(Bytes(path) == before) << "the file was changed";
    }
}

TEST(PeopleStore, AWriterLockedOutWaitsThenSaysSoWhileReadingGoesOn) {
    TempFolder folder;
    const std::string path = folder.File("people.sqlite");
    MakeStoreWithThree(path);
    auto opened = PeopleStore::Open(path, {.busyTimeoutMs = 100});
    ASSERT_TRUE(opened.store) << opened.notice.message;

    sqlite3* other = nullptr;  // another program in the middle of a change
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE people SET note = 'half done'", nullptr, nullptr, nullptr), SQLITE_OK);

    auto added = opened.store->Add(EntryNumber(4));
    EXPECT_EQ(added.result.status, StoreStatus::Locked) << added.result.message;
    EXPECT_NE(added.result.message.find("in use by another program"), std::string::npos) << added.result.message;
    auto listed = opened.store->List();
    ASSERT_EQ(listed.value.size(), 3u) << listed.result.message;
    EXPECT_EQ(listed.value.front().entry.note, "") << "an unfinished change is not seen";

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(opened.store->Add(EntryNumber(4)).result.ok());
}

// The child: saves people from `first` to `last` one by one and writes
// "n id\n" to `fd` after each save has returned.
[[noreturn]] void SavePeople(const std::string& path, int first, int last, int fd) {
    auto opened = PeopleStore::Open(path);
    if (!opened.store) ::_exit(3);
    for (int n = first; n < last; ++n) {
        auto added = opened.store->Add(EntryNumber(n));
        if (!added.result.ok()) ::_exit(4);
        char line[64];
        const int length = std::snprintf(line, sizeof line, "%d %lld\n", n, static_cast<long long>(added.value));
        if (::write(fd, line, static_cast<std::size_t>(length)) != length) ::_exit(5);
    }
    ::_exit(0);
}

TEST(PeopleStore, EverySavedPersonSurvivesKillNine) {
    constexpr int kPeople = 1000;     // saved in all, at least
    constexpr int kKills = 50;
    constexpr int kNoEnd = 1 << 30;  // a child that will be killed saves until then
    constexpr int kLongestWaitUs = 12000;  // kill after 0..12 ms: during opening, saving and in between
    // A kill leaves what was written in the page cache, so syncing to the
    // disk plays no part here: memory-backed files keep the test fast.
    TempFolder folder{fs::is_directory("/dev/shm") ? fs::path{"/dev/shm"} : fs::temp_directory_path()};
    const std::string path = folder.File("people.sqlite");
    std::mt19937 random{20261208};
    std::map<std::int64_t, int> confirmed;  // id -> person number, printed by the child after its save returned
    int next = 0;
    int kills = 0;
    // However fast the machine saves, every one of the kKills children is
    // killed while it works; the last, unkilled one saves up to kPeople.
    while (kills < kKills || next < kPeople) {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            SavePeople(path, next, kills < kKills ? kNoEnd : kPeople, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        std::string received;
        const auto readAvailable = [&](int timeoutMs) {
            pollfd wait{pipeFds[0], POLLIN, 0};
            char buffer[4096];
            while (::poll(&wait, 1, timeoutMs) > 0) {
                const ssize_t count = ::read(pipeFds[0], buffer, sizeof buffer);
                if (count <= 0) return false;  // the child has ended
                received.append(buffer, static_cast<std::size_t>(count));
                timeoutMs = 0;
            }
            return true;
        };
        if (kills < kKills) {
            ::usleep(std::uniform_int_distribution<useconds_t>{0, kLongestWaitUs}(random));
            ::kill(child, SIGKILL);
            ++kills;
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        while (readAvailable(-1)) {
        }
        ::close(pipeFds[0]);
        if (WIFEXITED(status)) {
            ASSERT_EQ(WEXITSTATUS(status), 0) << "the child could not save";
        }
        std::istringstream lines(received);
        int number = 0;
        long long id = 0;
        while (lines >> number >> id) {
            confirmed[id] = number;
            next = number + 1;
        }
    }
    EXPECT_GE(kills, kKills);
    EXPECT_EQ(FirstValue(path, "PRAGMA integrity_check"), "ok");
    auto opened = PeopleStore::Open(path);
    ASSERT_TRUE(opened.store) << opened.notice.message;
    auto listed = opened.store->List();
    ASSERT_TRUE(listed.result.ok()) << listed.result.message;
    std::map<std::int64_t, const Person*> byId;
    for (const Person& person : listed.value) byId[person.id] = &person;
    int missing = 0;
    for (const auto& [id, number] : confirmed) {
        const auto found = byId.find(id);
        if (found == byId.end()) {
            ++missing;
            ADD_FAILURE() << "person " << number << " (id " << id << ") was saved but is gone";
            continue;
        }
        ExpectSameEntry(EntryNumber(number), found->second->entry);
    }
    EXPECT_EQ(missing, 0);
    EXPECT_GE(listed.value.size(), confirmed.size());
    EXPECT_GE(confirmed.rbegin()->second, kPeople - 1);
}

}  // namespace
}  // namespace starwise::people
