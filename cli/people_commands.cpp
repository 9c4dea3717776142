#include "cli/people_commands.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "atlas/zone_match.h"
#include "people/aaf_transfer.h"

namespace starwise::cli {
namespace {

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

void Key(Writer& w, std::string_view key) { w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }

void Field(Writer& w, std::string_view key, std::string_view text) {
    Key(w, key);
    w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

std::string DateText(const std::chrono::year_month_day& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string TimeText(int localMinutes) {
    char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d", localMinutes / 60, localMinutes % 60);
    return text;
}

// Milliseconds since 1970 as "2026-12-08T07:23:12Z".
std::string UtcText(std::int64_t unixMs) {
    const auto instant = std::chrono::sys_seconds{std::chrono::seconds{unixMs / 1000}};
    const auto dayStart = std::chrono::floor<std::chrono::days>(instant);
    const std::chrono::hh_mm_ss clock{instant - dayStart};
    char text[32];
    std::snprintf(text, sizeof text, "%sT%02d:%02d:%02dZ", DateText(std::chrono::year_month_day{dayStart}).c_str(),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

void PersonObject(Writer& w, const people::Person& person) {
    const entry::BirthInput& birth = person.entry.birth;
    w.StartObject();
    Key(w, "id");
    w.Int64(person.id);
    Field(w, "name", person.entry.name);
    Field(w, "date", DateText(birth.localDate));
    Field(w, "time", TimeText(birth.localMinutes));
    Key(w, "latitude");
    w.Double(birth.latitudeDeg);
    Key(w, "longitude");
    w.Double(birth.longitudeDeg);
    const auto* row = std::get_if<entry::ZoneRowChoice>(&birth.zone);
    Key(w, "zone");
    row ? void(w.Int(row->zonePosition)) : void(w.Null());
    Key(w, "daylight_saving");
    row ? void(w.Bool(row->daylightSaving)) : void(w.Null());
    Key(w, "utc_offset_seconds");
    row ? void(w.Null()) : void(w.Int(std::get<entry::ExactOffset>(birth.zone).utcOffsetSeconds));
    Field(w, "utc_offset_source", atlas::ZoneSourceName(birth.zone));
    Field(w, "place", birth.placeLabel);
    Field(w, "note", person.entry.note);
    Field(w, "created", UtcText(person.createdUnixMs));
    Field(w, "changed", UtcText(person.changedUnixMs));
    Field(w, "used", UtcText(person.usedUnixMs));
    w.EndObject();
}

// Writes to standard output; false (and a message) when it fails.
bool Print(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "starwise-cli: the output could not be written\n");
        return false;
    }
    return true;
}

}  // namespace

std::string PeopleFileOf(const std::optional<std::string>& peopleFlag) {
    if (peopleFlag) return *peopleFlag;
    return people::DefaultPeoplePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::unique_ptr<people::PeopleStore> OpenPeople(const std::string& path, bool write, bool& failed) {
    auto opened = people::PeopleStore::Open(path, {.readOnly = !write});
    failed = false;
    if (!opened.store && opened.notice.status == people::StoreStatus::NotFound) return nullptr;
    // A store that can only be read says so when it is written to (the
    // write's own message); one that cannot be opened says why now.
    if (!opened.store) {
        std::cerr << opened.notice.message << "\n";
        failed = true;
    }
    return std::move(opened.store);
}

int ListPeople(const std::string& path, bool json) {
    bool failed = false;
    const auto store = OpenPeople(path, false, failed);
    if (failed) return kStoreFailed;
    std::vector<people::Person> listed;
    if (store) {
        auto answer = store->List();
        if (!answer.result.ok()) {
            std::cerr << answer.result.message << "\n";
            return kStoreFailed;
        }
        listed = std::move(answer.value);
    }
    std::string out;
    if (json) {
        rapidjson::StringBuffer buffer;
        Writer w(buffer);
        w.StartArray();
        for (const people::Person& person : listed) PersonObject(w, person);
        w.EndArray();
        out.assign(buffer.GetString(), buffer.GetSize());
        out += '\n';
    } else if (listed.empty()) {
        std::cerr << "No one is saved in \"" << path << "\".\n";
    } else {
        for (const people::Person& person : listed) {
            const entry::BirthInput& birth = person.entry.birth;
            out += std::to_string(person.id) + "\t" + person.entry.name + "\t" + DateText(birth.localDate) + " " +
                   TimeText(birth.localMinutes) + "\t" + birth.placeLabel + "\n";
        }
    }
    return Print(out) ? 0 : kStoreFailed;
}

int ExportPeople(const std::string& path, const std::string& aafFile) {
    bool failed = false;
    const auto store = OpenPeople(path, false, failed);
    if (failed) return kStoreFailed;
    if (!store) {
        std::cerr << "No one is saved in \"" << path << "\": nothing to export.\n";
        return kStoreFailed;
    }
    const people::AafExport exported = people::ExportAafFile(*store, aafFile);
    for (const std::string& change : exported.changes) std::cerr << change << "\n";
    if (!exported.error.empty()) {
        std::cerr << exported.error << "\n";
        return kStoreFailed;
    }
    std::cerr << "Wrote " << exported.peopleWritten << (exported.peopleWritten == 1 ? " person" : " people") << " to \""
              << aafFile << "\".\n";
    return 0;
}

int ImportPeople(const std::string& path, const std::string& aafFile) {
    bool failed = false;
    const auto store = OpenPeople(path, true, failed);
    if (failed) return kStoreFailed;
    const people::AafImport imported = people::ImportAafFile(*store, aafFile);
    if (!imported.result.ok()) {
        std::cerr << imported.result.message << "\n";
        for (const people::AafLineProblem& problem : imported.problems) std::cerr << people::ProblemLine(problem) << "\n";
        return imported.problems.empty() && imported.result.status != people::StoreStatus::Invalid ? kStoreFailed
                                                                                                   : kInputRefused;
    }
    std::cerr << "Read " << imported.peopleRead << (imported.peopleRead == 1 ? " person" : " people") << " from \""
              << aafFile << "\" and saved " << (imported.ids.size() == 1 ? "it" : "them") << " in \"" << path
              << "\" (ids " << imported.ids.front() << (imported.ids.size() > 1 ? ".." + std::to_string(imported.ids.back()) : "")
              << ").\n";
    return 0;
}

int SavePerson(const std::string& path, const entry::BirthInput& birth) {
    bool failed = false;
    const auto store = OpenPeople(path, true, failed);
    if (failed) return kStoreFailed;
    auto added = store->Add({birth.name, birth, ""});
    if (!added.result.ok()) {
        std::cerr << added.result.message << "\n";
        return kStoreFailed;
    }
    std::cerr << "Saved " << birth.name << " as person " << added.value << " in \"" << path << "\".\n";
    return 0;
}

}  // namespace starwise::cli
