#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <regex>

#include "entry/key_filters.h"
#include "entry/messages.h"
#include "entry/validation.h"
#include "entry/zones.h"

namespace starwise::cli {
namespace {

// Whole number of the full text, or nothing.
std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

struct Coordinate {
    std::string degrees;
    std::string minutes;
    char hemisphere;
};

// "DDD:MM" plus a hemisphere letter; the parts go through the boxes' filter.
std::variant<Coordinate, std::string> ParseCoordinate(std::string_view text, std::string_view flag,
                                                      char positive, char negative) {
    const std::string usage = std::string{flag} + " must look like DD:MM" + positive + " or DD:MM" + negative;
    if (text.empty()) return usage;
    const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const std::string_view body = text.substr(0, text.size() - 1);
    const auto colon = body.find(':');
    if (colon == std::string_view::npos) return usage;
    Coordinate coordinate{std::string{body.substr(0, colon)}, std::string{body.substr(colon + 1)}, hemisphere};
    for (const std::string* part : {&coordinate.degrees, &coordinate.minutes}) {
        if (std::holds_alternative<entry::FormMessage>(entry::FilterCoordinatePaste(*part))) {
            return std::string{entry::messages::kOnlyNumbers.text};
        }
    }
    if (hemisphere != positive && hemisphere != negative) return usage;
    return coordinate;
}

}  // namespace

std::variant<entry::EntryFormValues, std::string> FormValuesOf(const CaseFlags& flags) {
    for (const auto& [value, flag] : {std::pair{&flags.date, "--date"}, std::pair{&flags.time, "--time"},
                                      std::pair{&flags.zone, "--zone"}}) {
        if (!value->has_value()) return std::string{flag} + " is required";
    }
    entry::EntryFormValues form;

    // Name: the name box's filter, as if the text were pasted.
    const entry::PasteResult name = entry::FilterNamePaste(flags.name.value_or(std::string{kDefaultName}));
    if (const auto* refused = std::get_if<entry::FormMessage>(&name)) return std::string{refused->text};
    form.nameText = std::get<std::string>(name);

    // Date: the lists offer years 1901..2050, months 1..12 and days 1..31.
    static const std::regex kDatePattern{R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"};
    std::cmatch date;
    if (!std::regex_match(flags.date->c_str(), date, kDatePattern)) return "--date must look like YYYY-MM-DD";
    const int year = *WholeNumber(date[1].str());
    const int month = *WholeNumber(date[2].str());
    const int day = *WholeNumber(date[3].str());
    if (year < entry::kFirstYear || year > entry::kLastYear) return "Please Choose a Year Between 1901 And 2050";
    if (month < 1 || month > static_cast<int>(entry::kMonthNames.size())) return "Please Choose a Month Between 1 And 12";
    if (day < 1 || day > entry::kLastDay) return "Please Choose a Date Between 1 And 31";
    form.yearText = std::to_string(year);
    form.monthPosition = month - 1;
    form.dayPosition = day - 1;
    form.dayText = std::to_string(day);

    static const std::regex kTimePattern{R"(^(\d{1,2}):(\d{1,2})$)"};
    std::cmatch time;
    if (!std::regex_match(flags.time->c_str(), time, kTimePattern)) return "--time must look like HH:MM";
    const int hour = *WholeNumber(time[1].str());
    const int minute = *WholeNumber(time[2].str());
    if (hour > 23) return "Please Choose an Hour Between 0 And 23";
    if (minute > 59) return "Please Choose a Minute Between 0 And 59";
    form.hourText = std::to_string(hour);
    form.minuteText = std::to_string(minute);

    const std::optional<int> zoneNumber = WholeNumber(*flags.zone);
    const int zone = zoneNumber ? *zoneNumber : entry::ZonePositionOfText(*flags.zone);
    if (zone < 0 || zone >= static_cast<int>(entry::kZoneCount)) {
        return "Please Choose a Time Zone Between 0 And 70 (see --list-zones)";
    }
    form.zonePosition = zone;
    form.daylightSaving = flags.daylightSaving;

    // Coordinates: an absent flag is an empty box; a part longer than its
    // box is refused with that box's range message.
    if (flags.longitude) {
        const auto parsed = ParseCoordinate(*flags.longitude, "--lon", 'E', 'W');
        if (const auto* refused = std::get_if<std::string>(&parsed)) return *refused;
        const auto& lon = std::get<Coordinate>(parsed);
        if (lon.degrees.size() > entry::kLongitudeDegreesMaxLength) return std::string{entry::messages::kLongitudeDegrees.text};
        if (lon.minutes.size() > entry::kCoordinateMaxLength) return std::string{entry::messages::kLongitudeMinutes.text};
        form.longitudeDegreesText = lon.degrees;
        form.longitudeMinutesText = lon.minutes;
        form.eastSelected = lon.hemisphere == 'E';
    }
    if (flags.latitude) {
        const auto parsed = ParseCoordinate(*flags.latitude, "--lat", 'N', 'S');
        if (const auto* refused = std::get_if<std::string>(&parsed)) return *refused;
        const auto& lat = std::get<Coordinate>(parsed);
        if (lat.degrees.size() > entry::kCoordinateMaxLength) return std::string{entry::messages::kLatitudeDegrees.text};
        if (lat.minutes.size() > entry::kCoordinateMaxLength) return std::string{entry::messages::kLatitudeMinutes.text};
        form.latitudeDegreesText = lat.degrees;
        form.latitudeMinutesText = lat.minutes;
        form.southSelected = lat.hemisphere == 'S';
    }

    if (const auto refused = entry::ValidateEntryForm(form)) return std::string{refused->text};
    return form;
}

void AddCaseOptions(CLI::App& app, CaseFlags& flags) {
    app.add_option("--date", flags.date, "Date of birth, YYYY-MM-DD (years 1901 to 2050)");
    app.add_option("--time", flags.time, "Local clock time of birth, HH:MM");
    app.add_option("--zone", flags.zone, "Time zone: its position 0..70 in --list-zones, or its exact text");
    app.add_flag("--dst", flags.daylightSaving, "Daylight saving time was in force");
    app.add_option("--lon", flags.longitude, "Longitude, DDD:MM followed by E or W (e.g. 74:00W)");
    app.add_option("--lat", flags.latitude, "Latitude, DD:MM followed by N or S (e.g. 40:43N)");
    app.add_option("--name", flags.name, "Name (letters and spaces; not used by the reading)");
}

std::variant<entry::EntryFormValues, std::string> ParseCaseLine(std::string_view line) {
    const auto arguments = SplitArguments(line);
    if (!arguments) return std::string{"unclosed quote"};
    CLI::App app{"batch line"};
    app.set_help_flag();
    CaseFlags flags;
    AddCaseOptions(app, flags);
    std::vector<std::string> reversed(arguments->rbegin(), arguments->rend());  // CLI11 parses from the back
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return std::string{error.what()};
    }
    return FormValuesOf(flags);
}

std::optional<std::vector<std::string>> SplitArguments(std::string_view line) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    char quote = 0;
    for (const char c : line) {
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                current += c;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            inArgument = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quote != 0) return std::nullopt;
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace starwise::cli
