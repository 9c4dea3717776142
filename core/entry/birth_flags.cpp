#include "entry/birth_flags.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <charconv>

#include "entry/key_filters.h"
#include "entry/messages.h"
#include "entry/validation.h"
#include "entry/zones.h"

namespace starwise::entry {
namespace {

// Whole number of the full text, or nothing.
std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// Fields of 1..maxDigits[i] decimal digits separated by one character
// ("1980-07-15", "06:30"); the first field must have exactly maxDigits[0]
// digits when that is 4 (a year). Nothing when the text has another shape.
template <std::size_t N>
std::optional<std::array<int, N>> NumberFields(std::string_view text, char separator,
                                               std::array<std::size_t, N> maxDigits) {
    std::array<int, N> fields{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t end = i + 1 < N ? text.find(separator) : text.size();
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view digits = text.substr(0, end);
        if (digits.empty() || digits.size() > maxDigits[i] || (maxDigits[i] == 4 && digits.size() != 4)) {
            return std::nullopt;
        }
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
        }
        fields[i] = *WholeNumber(digits);
        text.remove_prefix(i + 1 < N ? end + 1 : end);
    }
    return fields;
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
        if (std::holds_alternative<FormMessage>(FilterCoordinatePaste(*part))) {
            return std::string{messages::kOnlyNumbers.text};
        }
    }
    if (hemisphere != positive && hemisphere != negative) return usage;
    return coordinate;
}

}  // namespace

std::variant<EntryFormValues, std::string> FormValuesOf(const BirthFlags& flags) {
    for (const auto& [value, flag] : {std::pair{&flags.date, "--date"}, std::pair{&flags.time, "--time"},
                                      std::pair{&flags.zone, "--zone"}, std::pair{&flags.longitude, "--lon"},
                                      std::pair{&flags.latitude, "--lat"}}) {
        if (!value->has_value()) return std::string{flag} + " is required";
    }
    EntryFormValues form;

    // Name: the name box's filter, as if the text were pasted.
    const PasteResult name = FilterNamePaste(flags.name.value_or(std::string{kDefaultName}));
    if (const auto* refused = std::get_if<FormMessage>(&name)) return std::string{refused->text};
    form.nameText = std::get<std::string>(name);

    // Date: the lists offer years 1901..2050, months 1..12 and days 1..31.
    const auto date = NumberFields<3>(*flags.date, '-', {4, 2, 2});
    if (!date) return "--date must look like YYYY-MM-DD";
    const auto [year, month, day] = *date;
    if (year < kFirstYear || year > kLastYear) return "Please Choose a Year Between 1901 And 2050";
    if (month < 1 || month > static_cast<int>(kMonthNames.size())) return "Please Choose a Month Between 1 And 12";
    if (day < 1 || day > kLastDay) return "Please Choose a Date Between 1 And 31";
    form.yearText = std::to_string(year);
    form.monthPosition = month - 1;
    form.dayPosition = day - 1;
    form.dayText = std::to_string(day);

    const auto time = NumberFields<2>(*flags.time, ':', {2, 2});
    if (!time) return "--time must look like HH:MM";
    const auto [hour, minute] = *time;
    if (hour > 23) return "Please Choose an Hour Between 0 And 23";
    if (minute > 59) return "Please Choose a Minute Between 0 And 59";
    form.hourText = std::to_string(hour);
    form.minuteText = std::to_string(minute);

    const std::optional<int> zoneNumber = WholeNumber(*flags.zone);
    const int zone = zoneNumber ? *zoneNumber : ZonePositionOfText(*flags.zone);
    if (zone < 0 || zone >= static_cast<int>(kZoneCount)) {
        return "Please Choose a Time Zone Between 0 And 70 (see --list-zones)";
    }
    form.zonePosition = zone;
    form.daylightSaving = flags.daylightSaving.value_or(false);

    // Coordinates: a part longer than its box is refused with that box's
    // range message.
    {
        const auto parsed = ParseCoordinate(*flags.longitude, "--lon", 'E', 'W');
        if (const auto* refused = std::get_if<std::string>(&parsed)) return *refused;
        const auto& lon = std::get<Coordinate>(parsed);
        if (lon.degrees.size() > kLongitudeDegreesMaxLength) return std::string{messages::kLongitudeDegrees.text};
        if (lon.minutes.size() > kCoordinateMaxLength) return std::string{messages::kLongitudeMinutes.text};
        form.longitudeDegreesText = lon.degrees;
        form.longitudeMinutesText = lon.minutes;
        form.eastSelected = lon.hemisphere == 'E';
    }
    {
        const auto parsed = ParseCoordinate(*flags.latitude, "--lat", 'N', 'S');
        if (const auto* refused = std::get_if<std::string>(&parsed)) return *refused;
        const auto& lat = std::get<Coordinate>(parsed);
        if (lat.degrees.size() > kCoordinateMaxLength) return std::string{messages::kLatitudeDegrees.text};
        if (lat.minutes.size() > kCoordinateMaxLength) return std::string{messages::kLatitudeMinutes.text};
        form.latitudeDegreesText = lat.degrees;
        form.latitudeMinutesText = lat.minutes;
        form.southSelected = lat.hemisphere == 'S';
    }

    if (const auto refused = ValidateEntryForm(form)) return std::string{refused->text};
    return form;
}

std::variant<BirthFlags, std::string> CaseFlagsOf(const std::vector<std::string>& arguments) {
    BirthFlags flags;
    const std::array<std::pair<std::string_view, std::optional<std::string>*>, 7> options{{
        {"--date", &flags.date}, {"--time", &flags.time}, {"--zone", &flags.zone},
        {"--lon", &flags.longitude}, {"--lat", &flags.latitude}, {"--name", &flags.name},
        {"--place", &flags.place},
    }};
    std::vector<std::string> unexpected;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view word = arguments[i];
        if (word == "--dst" || word == "--no-dst") {
            if (flags.daylightSaving && *flags.daylightSaving != (word == "--dst")) {
                return std::string{"--dst excludes --no-dst"};
            }
            flags.daylightSaving = word == "--dst";
            continue;
        }
        std::optional<std::string_view> inlineValue;
        if (const auto equals = word.find('='); word.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = word.substr(equals + 1);
            word = word.substr(0, equals);
        }
        const auto option = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.first == word; });
        if (option == options.end()) {
            unexpected.push_back(arguments[i]);
            continue;
        }
        if (inlineValue) {
            *option->second = std::string{*inlineValue};
        } else if (i + 1 < arguments.size()) {
            *option->second = arguments[++i];
        } else {
            return std::string{word} + " needs a value";
        }
    }
    if (!unexpected.empty()) return UnexpectedWordsMessage(unexpected);
    return flags;
}

std::string UnexpectedWordsMessage(const std::vector<std::string>& words) {
    std::string message = words.size() == 1 ? "The following argument was not expected:"
                                            : "The following arguments were not expected:";
    for (const std::string& word : words) {
        message += ' ';
        message += word;
    }
    return message;
}

std::variant<BirthFlags, std::string> ParseCaseFlags(std::string_view line) {
    const auto arguments = SplitArguments(line);
    if (!arguments) return std::string{"unclosed quote"};
    return CaseFlagsOf(*arguments);
}

std::variant<EntryFormValues, std::string> ParseCaseLine(std::string_view line) {
    auto flags = ParseCaseFlags(line);
    if (const auto* refused = std::get_if<std::string>(&flags)) return *refused;
    return FormValuesOf(std::get<BirthFlags>(flags));
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

}  // namespace starwise::entry
