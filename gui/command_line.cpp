#include "gui/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <variant>

#include "atlas/birth_place.h"
#include "atlas/places.h"
#include "entry/birth_flags.h"
#include "people/person_flags.h"

namespace starwise::gui {

std::string UsageText() {
    return "Usage: starwise\n"
           "  or:  starwise --pdf FILE --date YYYY-MM-DD --time HH:MM (--zone N [--dst] | --utc-offset +HH:MM[:SS]) --lon DDD:MM{E|W} --lat DD:MM{N|S} [--name NAME]\n"
           "  or:  starwise --pdf FILE --date YYYY-MM-DD --time HH:MM --place TEXT [--zone N] [--dst|--no-dst] [--name NAME]\n"
           "\n"
           "Starwise gives a natal astrology reading: the Sun sign and its profile, the\n"
           "Karma Profile of the lunar nodes, the planets in houses, the quincunx and\n"
           "semi-sextile aspects, the natal Moon and void of course, and the chart wheel.\n"
           "Without options it opens the entry form.\n"
           "\n"
           "Options:\n"
           "  --pdf FILE          write the whole reading as an A4 PDF to FILE and end,\n"
           "                      without opening a window\n" +
           entry::BirthFlagsHelp() +
           "  --help              print this help and end\n"
           "  --version           print the version and end\n"
           "\n"
           "The birth flags are checked by the entry form's rules; a refused value\n"
           "prints the form's message on standard error and ends with status 2.\n"
           "A PDF that cannot be written (a full disk, a device, a missing folder)\n"
           "prints why on standard error and ends with status 1; an earlier file of\n"
           "that name is left as it was.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
    CommandLine command;
    const auto has = [&words](std::string_view word) { return std::find(words.begin(), words.end(), word) != words.end(); };
    if (has("--version")) {
        command.action = CommandLine::PrintVersion;
        return command;
    }
    if (has("--help")) {
        command.action = CommandLine::PrintHelp;
        return command;
    }

    std::vector<std::string> flags;
    bool pdf = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--pdf" || word.starts_with("--pdf=")) {
            pdf = true;
            if (word.starts_with("--pdf=")) {
                command.pdfPath = word.substr(6);
            } else if (i + 1 < words.size() && !words[i + 1].starts_with("--")) {
                command.pdfPath = words[++i];
            }
            continue;
        }
        flags.push_back(word);
    }

    if (!pdf) {
        // Words that all read as birth flags ask for a reading the windows
        // cannot take from the command line; anything else is Qt's.
        if (!words.empty() && entry::CaseFlagsOf(words).Ok()) {
            command.action = CommandLine::Refuse;
            command.refusal = "the birth flags need --pdf FILE (see starwise --help)";
        }
        return command;
    }
    command.action = CommandLine::Refuse;
    if (command.pdfPath.empty()) {
        command.refusal = "--pdf needs a value";
        return command;
    }
    const auto parsed = entry::CaseFlagsOf(flags);
    if (!parsed.Ok()) {
        command.refusal = parsed.detail;
        return command;
    }
    // A --place is looked up in the atlas (loaded only then), as the
    // command line does; --person and --person-id read the saved people.
    const atlas::Atlas places;
    const entry::BirthFlags& birthFlags = parsed.value;
    Result<atlas::PlacedBirth> birth;
    if (people::NamesPerson(birthFlags)) {
        auto opened = people::PeopleStore::Open(
            people::DefaultPeoplePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), {.readOnly = true});
        if (!opened.store) {
            command.refusal = opened.notice.message;
            return command;
        }
        auto person = people::PersonOfFlags(birthFlags, *opened.store);
        if (!person.Ok()) {
            command.refusal = person.detail;
            return command;
        }
        entry::BirthInput saved = std::move(person.value.entry.birth);
        auto check = atlas::SavedPlaceZoneCheck(saved, places);
        birth = atlas::PlacedBirth{std::move(saved), std::move(check)};
    } else {
        birth = atlas::ResolveBirthFlags(birthFlags, places);
    }
    if (!birth.Ok()) {
        command.refusal = birth.detail;
        return command;
    }
    const atlas::PlacedBirth& placed = birth.value;
    command.birth = placed.birth;
    // What the command line shows of a place's zone check is said here too
    // when something is wrong with the zone (the reading is still written).
    if (placed.zoneCheck && (!placed.zoneCheck->agreement.agrees || placed.zoneCheck->hasWarnings)) {
        command.zoneWarning = placed.zoneCheck->message;
    }
    command.action = CommandLine::WritePdf;
    return command;
}

}  // namespace starwise::gui
