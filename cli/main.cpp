// starwise-cli: the reading without a window, as text or JSON.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/people_commands.h"
#include "cli/reading_json.h"
#include "cli/text_report.h"
#include "entry/echoed_text.h"
#include "atlas/birth_place.h"
#include "atlas/places.h"
#include "atlas/zone_match.h"
#include "entry/birth_flags.h"
#include "entry/zones.h"
#include "people/person_flags.h"
#include "reading/reading.h"
#include "starwise/version.h"

namespace {

constexpr int kRefused = 2;
constexpr int kNotWritten = 1;  // standard output could not be written (disk full, closed pipe)
constexpr std::string_view kVersion = "starwise-cli " STARWISE_VERSION;
constexpr std::size_t kFlushBytes = 1 << 16;  // batch output is written in blocks of about this size
constexpr std::size_t kMaxPlacesListed = 50;  // --find-place lists at most this many

// Where the readings of a run are written: JSON lines or text, gathered in
// one buffer.
struct Output {
    bool json = false;
    bool colour = false;
    starwise::cli::ReadingJsonWriter jsonWriter;
    std::string text;
};

// Appends the output of one checked case (a JSON line or the text).
void AppendReading(const starwise::atlas::PlacedBirth& birth, Output& output) {
    const starwise::reading::Reading reading = starwise::reading::RunReading(birth.birth);
    const starwise::atlas::PlaceZoneCheck* check = birth.zoneCheck ? &*birth.zoneCheck : nullptr;
    if (output.json) {
        output.jsonWriter.AppendReading(reading, check, output.text);
    } else {
        if (check != nullptr) {
            output.text += starwise::cli::PlaceHeader(*check);
        } else if (std::holds_alternative<starwise::entry::ExactOffset>(birth.birth.zone)) {
            output.text += "Time zone: " + starwise::atlas::ZoneText(birth.birth.zone) + "\n\n";
        }
        starwise::cli::AppendTextReport(reading, output.colour, output.text);
    }
}

// The birth a saved person gives (--person, --person-id), with the zone check
// of its place when the atlas knows it; or the message that refuses it.
starwise::Result<starwise::atlas::PlacedBirth> PersonBirth(const starwise::entry::BirthFlags& flags,
                                                          const starwise::people::PeopleStore* store,
                                                          const std::string& peopleFile, bool storeFailed,
                                                          const starwise::atlas::Atlas& atlas) {
    using starwise::Failure;
    using starwise::Status;
    if (!store && storeFailed) {
        return Failure{Status::Missing, "The people file \"" + peopleFile + "\" cannot be read (see above)"};
    }
    if (!store) return Failure{Status::Missing, "No one is saved in \"" + peopleFile + "\" (see --save)"};
    auto person = starwise::people::PersonOfFlags(flags, *store);
    if (!person.Ok()) return person.AsFailure();
    starwise::entry::BirthInput birth = std::move(person.value.entry.birth);
    auto check = starwise::atlas::SavedPlaceZoneCheck(birth, atlas);
    return starwise::atlas::PlacedBirth{std::move(birth), std::move(check)};
}

// The people store for --person in batch lines, opened at the first line
// that names a person.
struct BatchPeople {
    std::string file;
    bool opened = false;
    bool failed = false;
    std::unique_ptr<starwise::people::PeopleStore> store;
};

// Parses and runs one batch line; returns false when the line was refused.
// The atlas loads at the first line that names a place.
bool RunBatchLine(std::string_view line, const starwise::atlas::Atlas& atlas, BatchPeople& people, Output& output) {
    const bool json = output.json;
    std::string& out = output.text;
    std::string refusal;
    if (!starwise::entry::IsValidUtf8(line)) {
        refusal = "the line is not valid UTF-8";
    } else {
        try {
            const auto flags = starwise::entry::ParseCaseFlags(line);
            if (!flags.Ok()) {
                refusal = flags.detail;
            } else {
                const starwise::entry::BirthFlags& caseFlags = flags.value;
                if (starwise::people::NamesPerson(caseFlags) && !people.opened) {
                    people.opened = true;
                    people.store = starwise::cli::OpenPeople(people.file, false, people.failed);
                }
                const auto birth = starwise::people::NamesPerson(caseFlags)
                                       ? PersonBirth(caseFlags, people.store.get(), people.file, people.failed, atlas)
                                       : starwise::atlas::ResolveBirthFlags(caseFlags, atlas);
                if (birth.Ok()) {
                    AppendReading(birth.value, output);
                    if (!json) out += "\n----------------------------------------\n\n";
                    return true;
                }
                refusal = birth.detail;
            }
        } catch (const std::exception& error) {
            refusal = std::string{"the line could not be read: "} + error.what();
        }
    }
    if (json) {
        output.jsonWriter.AppendError(refusal, out);
    } else {
        out += "error: " + starwise::entry::EscapeControls(refusal) + "\n";
    }
    return false;
}

// Writes what has gathered to standard output; false when not all of it
// could be written.
bool Flush(std::string& out) {
    const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    out.clear();
    return written;
}

// The end of a run: everything written, or a message and the status that
// says the output is incomplete.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "starwise-cli: the output could not be written\n");
        return kNotWritten;
    }
    return status;
}

// Writes text to standard output and ends the run as Finish does.
int PrintAndFinish(std::string text, int status) {
    Flush(text);
    return Finish(status);
}

// A refusal on standard error, with the control characters of the echoed
// input escaped; returns the status of a refused input.
int Refuse(std::string_view message) {
    std::cerr << starwise::entry::EscapeControls(message) << "\n";
    return kRefused;
}

// One line of input that holds no case: a blank line or a comment gives
// {"skipped": "blank"} or {"skipped": "comment"} in JSON, an empty line in
// text, so that output line N answers input line N.
void AppendSkipped(std::string_view why, Output& output) {
    if (output.json) {
        output.jsonWriter.AppendSkipped(why, output.text);
    } else {
        output.text += '\n';
    }
}

// Every line of standard input is one case; CR, LF and CR LF all end a line.
int RunBatch(const starwise::atlas::Atlas& atlas, const std::string& peopleFile, bool json) {
    BatchPeople people{peopleFile, false, false, nullptr};
    bool allRead = true;
    Output output;
    output.json = json;
    std::string& out = output.text;
    std::string chunk;
    while (std::getline(std::cin, chunk)) {
        std::string_view rest = chunk;
        while (true) {
            const std::size_t cr = rest.find('\r');
            const std::string_view line = rest.substr(0, cr);
            const auto first = line.find_first_not_of(" \t");
            if (first == std::string_view::npos) {
                AppendSkipped("blank", output);
            } else if (line[first] == '#') {
                AppendSkipped("comment", output);
            } else {
                allRead = RunBatchLine(line, atlas, people, output) && allRead;
            }
            if (cr == std::string_view::npos) break;
            rest.remove_prefix(cr + 1);
            if (rest.empty()) break;  // a CR that ends the chunk ends its line alone
        }
        if (out.size() >= kFlushBytes && !Flush(out)) return Finish(kNotWritten);
    }
    Flush(out);
    return Finish(allRead ? 0 : kRefused);
}

// --find-place: the matches, most populous first, as lines or one JSON array.
int FindPlaces(const starwise::atlas::Atlas& atlas, const std::string& query, bool json) {
    std::vector<starwise::atlas::Place> places = atlas.Search(query, kMaxPlacesListed + 1);
    if (places.empty()) return Refuse("No place in the atlas matches \"" + query + "\"");
    const bool more = places.size() > kMaxPlacesListed;
    if (more) places.resize(kMaxPlacesListed);
    std::string out;
    if (json) {
        starwise::cli::ReadingJsonWriter().AppendPlaces(places, out);
    } else {
        for (const starwise::atlas::Place& place : places) out += starwise::cli::PlaceListLine(place) + "\n";
    }
    Flush(out);
    if (more) {
        std::cerr << "More than " << kMaxPlacesListed
                  << " places match; narrow the search with a state or country after a comma (\"Springfield, "
                     "Illinois\").\n";
    }
    return Finish(0);
}

// Splits the words of the command line into the program's own (handed to
// CLI11) and the birth flags (read by the birth flags' one option table).
struct SplitWords {
    std::vector<std::string> program;
    std::vector<std::string> birth;
};

SplitWords SplitCommandLine(int argc, char** argv) {
    SplitWords words;
    constexpr std::string_view kProgramSwitches[] = {"--json",    "--batch",       "--list-zones", "--version",
                                                     "--help",    "-h",            "--save",       "--list-people"};
    constexpr std::string_view kProgramOptions[] = {"--find-place", "--people", "--export-aaf", "--import-aaf"};
    const auto isProgramOption = [&](std::string_view word) {
        return std::find(std::begin(kProgramOptions), std::end(kProgramOptions), word) != std::end(kProgramOptions);
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (std::find(std::begin(kProgramSwitches), std::end(kProgramSwitches), word) != std::end(kProgramSwitches) ||
            (word.find('=') != std::string_view::npos && isProgramOption(word.substr(0, word.find('='))))) {
            words.program.emplace_back(word);
        } else if (isProgramOption(word)) {
            words.program.emplace_back(word);
            if (i + 1 < argc) words.program.emplace_back(argv[++i]);
        } else {
            words.birth.emplace_back(word);
        }
    }
    return words;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app{"Starwise: a natal reading (Sun sign, Karma Profile, houses, aspects, void of course)."};
    app.name("starwise-cli");
    bool json = false;
    bool batch = false;
    bool listZones = false;
    std::optional<std::string> findPlace;
    app.add_flag("--json", json, "Print one JSON object per case");
    app.add_flag("--batch", batch,
                 "Read one case per line from standard input (the same birth flags); CR, LF and CR LF end a "
                 "line; every line gives one output line: a blank or # line {\"skipped\": \"blank\"} or "
                 "{\"skipped\": \"comment\"} in JSON, an empty line in text");
    app.add_flag("--list-zones", listZones, "Print the position and text of the 71 time zones");
    app.add_option("--find-place", findPlace,
                   "List the places of the atlas that match TEXT (\"Pune\", \"Springfield, Illinois\", "
                   "\"Paris, FR\"): name, coordinates and time zone, exact names first, then most populous");
    bool save = false;
    bool listPeople = false;
    std::optional<std::string> peopleFile;
    std::optional<std::string> exportAaf;
    std::optional<std::string> importAaf;
    app.add_flag("--save", save,
                 "Save the birth given by the birth flags under its --name (which is then required) in the people "
                 "file, and print its reading");
    app.add_flag("--list-people", listPeople, "List the saved people, most recently used first (with --json: one array)");
    app.add_option("--people", peopleFile,
                   "The people file to use (default: $XDG_DATA_HOME/starwise/people.sqlite, else "
                   "~/.local/share/starwise/people.sqlite)")
        ->option_text("FILE");
    app.add_option("--export-aaf", exportAaf, "Write every saved person to FILE in AAF (#A93/#B93 records)")
        ->option_text("FILE");
    app.add_option("--import-aaf", importAaf,
                   "Save every person of the AAF file FILE, all of them or none; each line that cannot be read is "
                   "named")
        ->option_text("FILE");
    app.set_version_flag("--version", std::string{kVersion}, "Print the version and exit");
    app.footer("Birth flags:\n" + starwise::entry::BirthFlagsHelp());
    if (argc <= 1) {
        std::cerr << app.help();
        return kRefused;
    }
    SplitWords words = SplitCommandLine(argc, argv);
    try {
        std::vector<std::string> reversed(words.program.rbegin(), words.program.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return PrintAndFinish(app.help(), 0);
    } catch (const CLI::CallForVersion&) {
        return PrintAndFinish(std::string{kVersion} + "\n", 0);
    } catch (const CLI::ParseError& error) {
        return Refuse(error.what());
    }

    const auto parsed = starwise::entry::CaseFlagsOf(words.birth);
    if (!parsed.Ok()) return Refuse(parsed.detail);

    if (listZones) {
        std::string out;
        for (std::size_t position = 0; position < starwise::entry::kZones.size(); ++position) {
            out += std::to_string(position) + "\t" + std::string{starwise::entry::kZones[position].listText} + "\n";
        }
        return PrintAndFinish(std::move(out), 0);
    }
    const std::string people = starwise::cli::PeopleFileOf(peopleFile);
    const starwise::entry::BirthFlags& flags = parsed.value;
    const int peopleCommands = int{listPeople} + int{exportAaf.has_value()} + int{importAaf.has_value()};
    if (peopleCommands > 1) {
        std::cerr << "--list-people, --export-aaf and --import-aaf are separate commands: give one of them\n";
        return kRefused;
    }
    if (peopleCommands == 1 && (save || batch || !words.birth.empty())) {
        std::cerr << (listPeople ? "--list-people" : exportAaf ? "--export-aaf" : "--import-aaf")
                  << " takes no birth flags, --save or --batch\n";
        return kRefused;
    }
    if (listPeople) return starwise::cli::ListPeople(people, json);
    if (exportAaf) return starwise::cli::ExportPeople(people, *exportAaf);
    if (importAaf) return starwise::cli::ImportPeople(people, *importAaf);
    if (save && (batch || findPlace)) {
        std::cerr << "--save stores the birth of one command, not of --batch or --find-place\n";
        return kRefused;
    }
    if (save && starwise::people::NamesPerson(flags)) {
        std::cerr << "--save stores a new birth from the birth flags; --person and --person-id give one already saved\n";
        return kRefused;
    }
    if (save && !flags.name) {
        std::cerr << "--save needs --name: the name the birth is saved under\n";
        return kRefused;
    }

    // Nothing of the atlas is read before a place is asked for.
    const starwise::atlas::Atlas atlas;
    if (findPlace) return FindPlaces(atlas, *findPlace, json);
    if (batch) return RunBatch(atlas, people, json);

    starwise::Result<starwise::atlas::PlacedBirth> birth;
    if (starwise::people::NamesPerson(flags)) {
        bool failed = false;
        const auto store = starwise::cli::OpenPeople(people, false, failed);
        if (failed) return starwise::cli::kStoreFailed;
        birth = PersonBirth(flags, store.get(), people, false, atlas);
    } else {
        birth = starwise::atlas::ResolveBirthFlags(flags, atlas);
    }
    if (!birth.Ok()) return Refuse(birth.detail);
    Output output;
    output.json = json;
    output.colour = isatty(STDOUT_FILENO) == 1;
    const starwise::atlas::PlacedBirth& placed = birth.value;
    AppendReading(placed, output);
    Flush(output.text);
    const int status = Finish(0);
    if (save) {
        const int saved = starwise::cli::SavePerson(people, placed.birth);
        return status != 0 ? status : saved;
    }
    return status;
}
