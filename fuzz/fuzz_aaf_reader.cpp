// Arbitrary bytes as an AAF file to import. Checked: never throws; every
// record read is a birth the people store accepts; and the records, written
// back as AAF and read again, come back as many, with no problem line, the
// same names (after the format's own changes) and the same births.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "people/aaf.h"
#include "people/people_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace starwise::people;
    const AafReading reading = ReadAaf(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<PersonEntry> entries;
    for (const AafRecord& record : reading.records) {
        if (!BirthProblem(record.entry.birth).empty()) __builtin_trap();  // read in full, so storable
        entries.push_back(record.entry);
    }
    const AafWriting writing = WriteAaf(entries);
    const AafReading again = ReadAaf(writing.text);
    if (again.records.size() != entries.size() || !again.problems.empty()) __builtin_trap();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& before = entries[i].birth;
        const auto& after = again.records[i].entry.birth;
        if (before.localDate != after.localDate || before.localMinutes != after.localMinutes ||
            UtcOffsetSecondsOf(before.zone) != UtcOffsetSecondsOf(after.zone)) {
            __builtin_trap();
        }
    }
    return 0;
}
