#include "entry/birth_flags.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <tuple>

#include "entry/form_input.h"
#include "entry/key_filters.h"
#include "entry/messages.h"
#include "entry/utc_offset.h"
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

// A coordinate flag "DDD:MM" plus a hemisphere letter, as degrees: each part
// goes through the boxes' filter, may be no longer than its box and must lie
// in the box's range.
struct CoordinateRule {
    std::string_view flag;
    char positive;
    char negative;
    std::size_t degreesMaxLength;
    int maxDegrees;
    const FormMessage& degreesMessage;
    const FormMessage& minutesMessage;
};

Result<double> ParseCoordinate(std::string_view text, const CoordinateRule& rule) {
    const std::string usage =
        std::string{rule.flag} + " must look like DD:MM" + rule.positive + " or DD:MM" + rule.negative;
    if (text.empty()) return Refused(usage);
    const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const std::string_view body = text.substr(0, text.size() - 1);
    const auto colon = body.find(':');
    if (colon == std::string_view::npos) return Refused(usage);
    const std::string_view degrees = body.substr(0, colon);
    const std::string_view minutes = body.substr(colon + 1);
    for (const std::string_view part : {degrees, minutes}) {
        if (std::holds_alternative<FormMessage>(FilterCoordinatePaste(part))) {
            return Refused(std::string{messages::kOnlyNumbers.text});
        }
    }
    if (hemisphere != rule.positive && hemisphere != rule.negative) return Refused(usage);
    if (degrees.size() > rule.degreesMaxLength) return Refused(std::string{rule.degreesMessage.text});
    if (minutes.size() > kCoordinateMaxLength) return Refused(std::string{rule.minutesMessage.text});
    // Empty parts and values beyond the box's range: the form's messages.
    if (degrees.empty() || *WholeNumber(degrees) > rule.maxDegrees) return Refused(std::string{rule.degreesMessage.text});
    if (minutes.empty() || *WholeNumber(minutes) > 59) return Refused(std::string{rule.minutesMessage.text});
    const double angleDeg = *WholeNumber(degrees) + *WholeNumber(minutes) / 60.0;
    return hemisphere == rule.negative ? -angleDeg : angleDeg;
}

const CoordinateRule kLongitudeRule{"--lon", 'E', 'W', kLongitudeDegreesMaxLength, 179,
                                    messages::kLongitudeDegrees, messages::kLongitudeMinutes};
const CoordinateRule kLatitudeRule{"--lat", 'N', 'S', kCoordinateMaxLength, 89, messages::kLatitudeDegrees,
                                   messages::kLatitudeMinutes};

// The day lists offer 1..31 in every month; the form then refuses 29..31
// February (29 in a common year) and the 31st of April, June, September and
// November. Every fourth year is leap, exact for 1901..2050.
std::optional<FormMessage> DateMessage(int year, int month, int day) {
    if (month == 2 && day > (year % 4 == 0 ? 29 : 28)) return messages::kFebruaryDate;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) return messages::kThirtyDayMonthDate;
    return std::nullopt;
}

}  // namespace

std::string BirthFlagsHelp() {
    constexpr std::size_t kHelpColumn = 22;  // where the descriptions start
    constexpr std::size_t kLineWidth = 79;
    std::string help;
    for (const BirthOption& option : kBirthOptions) {
        // Appended piece by piece: GCC 12 warns falsely of overlapping
        // copies (-Wrestrict) on "literal" + std::string in Release builds.
        std::string line = "  ";
        line += option.flag;
        if (!option.valueName.empty()) {
            line += ' ';
            line += option.valueName;
        }
        if (line.size() + 1 < kHelpColumn) {
            line.append(kHelpColumn - line.size(), ' ');
        } else {
            line += '\n';
            line.append(kHelpColumn, ' ');
        }
        std::size_t column = line.size() - (line.rfind('\n') == std::string::npos ? 0 : line.rfind('\n') + 1);
        std::string_view words = option.help;
        bool first = true;
        while (!words.empty()) {
            const std::size_t space = words.find(' ');
            const std::string_view word = words.substr(0, space);
            if (!first && column + 1 + word.size() > kLineWidth) {
                line += "\n" + std::string(kHelpColumn, ' ');
                column = kHelpColumn;
            } else if (!first) {
                line += ' ';
                ++column;
            }
            line += word;
            column += word.size();
            first = false;
            words = space == std::string_view::npos ? std::string_view{} : words.substr(space + 1);
        }
        help += line + "\n";
    }
    return help;
}

Result<CheckedFlags> CheckBirthFlags(const BirthFlags& flags) {
    if (!flags.date) return Refused("--date is required");
    if (!flags.time) return Refused("--time is required");
    if (!flags.place) {
        if (!flags.zone && !flags.utcOffset) return Refused("--zone or --utc-offset is required");
        if (!flags.longitude) return Refused("--lon is required");
        if (!flags.latitude) return Refused("--lat is required");
    }
    if (flags.utcOffset && (flags.zone || flags.daylightSaving)) {
        return Refused("--utc-offset gives the whole offset: it excludes --zone, --dst and --no-dst");
    }
    CheckedFlags checked;
    checked.place = flags.place;

    // Name: the name box's filter, as if the text were pasted.
    const PasteResult name = FilterNamePaste(flags.name.value_or(std::string{kDefaultName}));
    if (const auto* refused = std::get_if<FormMessage>(&name)) return Refused(std::string{refused->text});
    checked.name = std::get<std::string>(name);
    if (CharacterCount(checked.name) > kNameMaxCharacters) return Refused(std::string{messages::kNameTooLong.text});

    // Date: the lists offer years 1901..2050, months 1..12 and days 1..31.
    const auto date = NumberFields<3>(*flags.date, '-', {4, 2, 2});
    if (!date) return Refused("--date must look like YYYY-MM-DD");
    const auto [year, month, day] = *date;
    if (year < kFirstYear || year > kLastYear) return Refused("Please Choose a Year Between 1901 And 2050");
    if (month < 1 || month > static_cast<int>(kMonthNames.size())) {
        return Refused("Please Choose a Month Between 1 And 12");
    }
    if (day < 1 || day > kLastDay) return Refused("Please Choose a Date Between 1 And 31");

    const auto time = NumberFields<2>(*flags.time, ':', {2, 2});
    if (!time) return Refused("--time must look like HH:MM");
    const auto [hour, minute] = *time;
    if (hour > 23) return Refused("Please Choose an Hour Between 0 And 23");
    if (minute > 59) return Refused("Please Choose a Minute Between 0 And 59");
    checked.localMinutes = hour * 60 + minute;

    if (flags.zone) {
        const std::optional<int> zoneNumber = WholeNumber(*flags.zone);
        const int zone = zoneNumber ? *zoneNumber : ZonePositionOfText(*flags.zone);
        if (zone < 0 || zone >= static_cast<int>(kZoneCount)) {
            return Refused("Please Choose a Time Zone Between 0 And 70 (see --list-zones)");
        }
        checked.zonePosition = zone;
    }
    checked.daylightSaving = flags.daylightSaving;
    if (flags.utcOffset) {
        checked.utcOffsetSeconds = ParseUtcOffsetSeconds(*flags.utcOffset);
        if (!checked.utcOffsetSeconds) {
            return Refused("--utc-offset must look like +HH:MM or -HH:MM:SS, at most 16 hours");
        }
    }

    std::optional<std::string> coordinateMessage;
    for (const auto& [text, rule, angle] :
         {std::tuple{&flags.longitude, &kLongitudeRule, &checked.longitudeDeg},
          std::tuple{&flags.latitude, &kLatitudeRule, &checked.latitudeDeg}}) {
        if (!text->has_value()) continue;
        const Result<double> parsed = ParseCoordinate(**text, *rule);
        if (!parsed.Ok()) return parsed.AsFailure();
        *angle = parsed.value;
    }

    // The entry form's own checks, in its order.
    if (checked.name.find_first_not_of(' ') == std::string::npos) return Refused(std::string{messages::kEnterName.text});
    if (const auto refused = DateMessage(year, month, day)) return Refused(std::string{refused->text});
    checked.localDate = std::chrono::year_month_day{std::chrono::year{year},
                                                    std::chrono::month{static_cast<unsigned>(month)},
                                                    std::chrono::day{static_cast<unsigned>(day)}};
    return checked;
}

BirthInput BirthInputOf(const CheckedFlags& checked) {
    BirthInput birth;
    birth.name = checked.name;
    birth.localDate = checked.localDate;
    birth.localMinutes = checked.localMinutes;
    birth.longitudeDeg = checked.longitudeDeg.value_or(0.0);
    birth.latitudeDeg = checked.latitudeDeg.value_or(0.0);
    if (checked.utcOffsetSeconds) {
        birth.zone = ExactOffset{*checked.utcOffsetSeconds, OffsetSource::Given};
    } else {
        birth.zone = ZoneRowChoice{checked.zonePosition.value_or(kGreenwichZonePosition),
                                   checked.daylightSaving.value_or(false)};
    }
    return birth;
}

Result<BirthFlags> CaseFlagsOf(const std::vector<std::string>& arguments) {
    BirthFlags flags;
    std::vector<std::string_view> seen;
    std::vector<std::string> unexpected;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view word = arguments[i];
        std::optional<std::string_view> inlineValue;
        if (const auto equals = word.find('='); word.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = word.substr(equals + 1);
            word = word.substr(0, equals);
        }
        const auto option = std::find_if(kBirthOptions.begin(), kBirthOptions.end(),
                                         [&](const BirthOption& o) { return o.flag == word; });
        if (option == kBirthOptions.end() || (option->value == nullptr && inlineValue)) {
            unexpected.push_back(arguments[i]);
            continue;
        }
        if (std::find(seen.begin(), seen.end(), option->flag) != seen.end()) {
            return Refused(std::string{option->flag} + " is given more than once");
        }
        seen.push_back(option->flag);
        if (option->value == nullptr) {
            if (flags.daylightSaving) return Refused("--dst excludes --no-dst");
            flags.daylightSaving = option->switchSets;
        } else if (inlineValue) {
            flags.*(option->value) = std::string{*inlineValue};
        } else if (i + 1 < arguments.size()) {
            flags.*(option->value) = arguments[++i];
        } else {
            return Refused(std::string{word} + " needs a value");
        }
    }
    if (!unexpected.empty()) return Refused(UnexpectedWordsMessage(unexpected));
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

Result<BirthFlags> ParseCaseFlags(std::string_view line) {
    const auto arguments = SplitArguments(line);
    if (!arguments) return Refused("unclosed quote");
    return CaseFlagsOf(*arguments);
}

Result<BirthInput> BirthInputOfLine(std::string_view line) {
    const Result<BirthFlags> flags = ParseCaseFlags(line);
    if (!flags.Ok()) return flags.AsFailure();
    if (flags.value.place) return Refused("--place needs the atlas");
    const Result<CheckedFlags> checked = CheckBirthFlags(flags.value);
    if (!checked.Ok()) return checked.AsFailure();
    return BirthInputOf(checked.value);
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
