// A run of people-store calls chosen by the input on one store file (in
// /dev/shm when there is one, so that its syncs cost little): add, add
// several, rename, update, remove, mark used, find, find by name, list.
// Checked: every call answers (no throw, no crash); a person added is found
// with the name given; one removed is not found; a rename is read back; an
// invalid birth is refused as Invalid and stores nothing.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "people/people_store.h"

namespace {

using namespace starwise;

// The store, opened once per fuzzing process and emptied as it grows.
people::PeopleStore& Store() {
    static const std::string path = [] {
        const std::filesystem::path folder = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        const std::string file = (folder / ("starwise-fuzz-people-" + std::to_string(::getpid()) + ".sqlite")).string();
        std::filesystem::remove(file);
        return file;
    }();
    static people::OpenedStore opened = people::PeopleStore::Open(path);
    if (!opened.store || !opened.notice.ok()) __builtin_trap();
    return *opened.store;
}

people::PersonEntry EntryFrom(FuzzedDataProvider& input) {
    people::PersonEntry entry;
    entry.name = input.ConsumeRandomLengthString(40);
    entry.note = input.ConsumeRandomLengthString(40);
    const int year = input.ConsumeIntegralInRange(1895, 2055);
    const unsigned month = input.ConsumeIntegralInRange(0u, 13u);
    const unsigned day = input.ConsumeIntegralInRange(0u, 32u);
    entry.birth.localDate = std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
    entry.birth.localMinutes = input.ConsumeIntegralInRange(-1, 1440);
    entry.birth.latitudeDeg = input.ConsumeFloatingPointInRange(-91.0, 91.0);
    entry.birth.longitudeDeg = input.ConsumeFloatingPointInRange(-181.0, 181.0);
    if (input.ConsumeBool()) {
        entry.birth.zone = entry::ZoneRowChoice{input.ConsumeIntegralInRange(-1, 71), input.ConsumeBool()};
    } else {
        entry.birth.zone = entry::ExactOffset{input.ConsumeIntegralInRange(-17 * 3600, 17 * 3600),
                                              entry::OffsetSource::Given};
    }
    return entry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMaxPeople = 200;
    FuzzedDataProvider input(data, size);
    people::PeopleStore& store = Store();
    std::vector<std::int64_t> ids;
    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        const std::int64_t someId = ids.empty() ? input.ConsumeIntegral<std::int64_t>()
                                                : ids[input.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)];
        switch (input.ConsumeIntegralInRange(0, 7)) {
            case 0: {
                const people::PersonEntry entry = EntryFrom(input);
                const auto added = store.Add(entry);
                const bool valid = people::BirthProblem(entry.birth).empty();
                if (added.result.ok() != valid) __builtin_trap();
                if (!valid && added.result.status != people::StoreStatus::Invalid) __builtin_trap();
                if (!added.result.ok()) break;
                const auto found = store.Find(added.value);
                if (!found.result.ok() || !found.value || found.value->entry.name != entry.name) __builtin_trap();
                ids.push_back(added.value);
                break;
            }
            case 1: {
                std::vector<people::PersonEntry> entries;
                for (int k = input.ConsumeIntegralInRange(0, 3); k > 0; --k) entries.push_back(EntryFrom(input));
                const auto added = store.AddAll(entries);
                if (added.result.ok() && added.value.size() != entries.size()) __builtin_trap();
                if (added.result.ok()) ids.insert(ids.end(), added.value.begin(), added.value.end());
                break;
            }
            case 2: {
                const std::string name = input.ConsumeRandomLengthString(40);
                if (store.Rename(someId, name).ok()) {
                    const auto found = store.Find(someId);
                    if (!found.value || found.value->entry.name != name) __builtin_trap();
                }
                break;
            }
            case 3:
                (void)store.Update(someId, EntryFrom(input));
                break;
            case 4:
                if (store.Remove(someId).ok()) {
                    const auto found = store.Find(someId);
                    if (!found.result.ok() || found.value) __builtin_trap();
                }
                break;
            case 5:
                (void)store.MarkUsed(someId);
                break;
            case 6:
                (void)store.FindByName(input.ConsumeRandomLengthString(40));
                break;
            default: {
                const auto all = store.List();
                if (!all.result.ok()) __builtin_trap();
                if (all.value.size() > kMaxPeople) {
                    for (const people::Person& person : all.value) (void)store.Remove(person.id);
                }
                break;
            }
        }
    }
    return 0;
}
