#include "people/person_flags.h"

#include <charconv>

namespace starwise::people {

bool NamesPerson(const entry::BirthFlags& flags) { return flags.person.has_value() || flags.personId.has_value(); }

Result<Person> PersonOfFlags(const entry::BirthFlags& flags, const PeopleStore& store) {
    const std::string which = flags.person ? "--person" : "--person-id";
    if (flags.person && flags.personId) return Refused("--person excludes --person-id");
    const std::pair<bool, std::string_view> birthFlags[] = {
        {flags.date.has_value(), "--date"},   {flags.time.has_value(), "--time"},
        {flags.zone.has_value(), "--zone"},   {flags.daylightSaving.has_value(), "--dst or --no-dst"},
        {flags.utcOffset.has_value(), "--utc-offset"}, {flags.longitude.has_value(), "--lon"},
        {flags.latitude.has_value(), "--lat"}, {flags.place.has_value(), "--place"},
        {flags.name.has_value(), "--name"},
    };
    for (const auto& [given, flag] : birthFlags) {
        if (given) return Refused(which + " supplies the whole saved birth: leave out " + std::string{flag});
    }
    const std::string file = "\"" + store.path() + "\"";
    if (flags.personId) {
        const std::string& text = *flags.personId;
        std::int64_t id = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (text.empty() || error != std::errc{} || end != text.data() + text.size() || id <= 0) {
            return Refused("--person-id must be a whole number above 0 (see --list-people), not \"" + text + "\"");
        }
        auto found = store.Find(id);
        if (!found.result.ok()) return Failure{Status::Missing, found.result.message};
        if (!found.value) {
            return Failure{Status::Missing, "No person with id " + text + " is saved in " + file + " (see --list-people)"};
        }
        return std::move(*found.value);
    }
    auto found = store.FindByName(*flags.person);
    if (!found.result.ok()) return Failure{Status::Missing, found.result.message};
    if (found.value.empty()) {
        return Failure{Status::Missing,
                       "No one named \"" + *flags.person + "\" is saved in " + file + " (see --list-people)"};
    }
    if (found.value.size() > 1) {
        std::string ids;
        for (const Person& person : found.value) ids += (ids.empty() ? "" : ", ") + std::to_string(person.id);
        return Refused(std::to_string(found.value.size()) + " people named \"" + *flags.person + "\" are saved in " +
                       file + " (ids " + ids + "): choose one with --person-id");
    }
    return std::move(found.value.front());
}

}  // namespace starwise::people
