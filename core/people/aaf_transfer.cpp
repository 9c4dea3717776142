#include "people/aaf_transfer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>

#include "files/atomic_file.h"

namespace starwise::people {
namespace {

// An AAF file larger than this is refused rather than read into memory: a
// million people at about 150 bytes each.
constexpr std::uintmax_t kMaxAafBytes = 160u * 1024u * 1024u;

}  // namespace

std::string ProblemLine(const AafLineProblem& problem) {
    return "line " + std::to_string(problem.lineNumber) + ": " + problem.reason + " (" + problem.lineText + ")";
}

AafImport ImportAafFile(PeopleStore& store, const std::string& path) {
    AafImport report;
    const auto fail = [&](std::string message) {
        report.result = StoreResult::Fail(StoreStatus::Invalid, std::move(message));
        return report;
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return fail("Could not read \"" + path + "\" (" + std::strerror(errno) + "). Nothing was imported.");
    }
    if (!S_ISREG(info.st_mode)) return fail("\"" + path + "\" is not a regular file. Nothing was imported.");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxAafBytes) {
        return fail("\"" + path + "\" is larger than 160 MB; it is not read. Nothing was imported.");
    }
    std::string text;
    {
        std::FILE* in = std::fopen(path.c_str(), "rb");
        if (!in) return fail("Could not read \"" + path + "\" (" + std::strerror(errno) + "). Nothing was imported.");
        char buffer[65536];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, count);
        const bool failed = std::ferror(in) != 0;
        std::fclose(in);
        if (failed) return fail("Could not read \"" + path + "\" to its end. Nothing was imported.");
    }
    AafReading reading = ReadAaf(text);
    report.peopleRead = reading.records.size();
    report.problems = std::move(reading.problems);
    if (!report.problems.empty()) {
        const std::size_t count = report.problems.size();
        return fail("\"" + path + "\": " + std::to_string(report.peopleRead) + (report.peopleRead == 1 ? " person" : " people") +
                    " read, " + std::to_string(count) + (count == 1 ? " line" : " lines") +
                    " could not be read; nothing was imported. Correct the lines below and import again.");
    }
    if (reading.records.empty()) return fail("\"" + path + "\" holds no #A93 records. Nothing was imported.");
    std::vector<PersonEntry> entries;
    entries.reserve(reading.records.size());
    for (AafRecord& record : reading.records) entries.push_back(std::move(record.entry));
    auto stored = store.AddAll(entries);
    report.result = stored.result;
    report.ids = std::move(stored.value);
    return report;
}

AafExport ExportAafFile(const PeopleStore& store, const std::string& path) {
    AafExport report;
    auto listed = store.List();
    if (!listed.result.ok()) {
        report.error = listed.result.message;
        return report;
    }
    std::vector<Person> people = std::move(listed.value);
    std::sort(people.begin(), people.end(), [](const Person& a, const Person& b) { return a.id < b.id; });
    std::vector<PersonEntry> entries;
    entries.reserve(people.size());
    for (Person& person : people) entries.push_back(std::move(person.entry));
    AafWriting writing = WriteAaf(entries);
    report.error = files::WriteFileAtomically(path, writing.text).message;
    if (report.error.empty()) report.peopleWritten = entries.size();
    report.changes = std::move(writing.changes);
    return report;
}

}  // namespace starwise::people
