#include "entry/validation.h"

#include <cctype>

#include "entry/messages.h"
#include "entry/utc_offset.h"

namespace starwise::entry {
namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A coordinate box fails when empty after trimming or when its value lies
// outside 0..maximum.
bool CoordinateOutOfRange(std::string_view text, double maximum) {
    const std::string_view trimmed = TrimSpaces(text);
    if (trimmed.empty()) return true;
    const double value = LeadingNumber(trimmed);
    return value > maximum || value < 0;
}

bool IsLeapYear(int year) { return year % 4 == 0; }  // no century rule, exact for 1901..2050

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    double value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    return negative ? -value : value;
}

std::optional<FormMessage> ValidateEntryForm(const EntryFormValues& form) {
    if (TrimSpaces(form.nameText).empty()) return messages::kEnterName;
    if (CoordinateOutOfRange(form.longitudeDegreesText, 179)) return messages::kLongitudeDegrees;
    if (CoordinateOutOfRange(form.longitudeMinutesText, 59)) return messages::kLongitudeMinutes;
    if (CoordinateOutOfRange(form.latitudeDegreesText, 89)) return messages::kLatitudeDegrees;
    if (CoordinateOutOfRange(form.latitudeMinutesText, 59)) return messages::kLatitudeMinutes;

    constexpr int kFebruary = 1;
    if (form.monthPosition == kFebruary) {
        const int year = static_cast<int>(LeadingNumber(form.yearText));
        const int firstBadDay = IsLeapYear(year) ? 29 : 28;  // day positions 29..30 or 28..30
        if (form.dayPosition >= firstBadDay && form.dayPosition <= 30) return messages::kFebruaryDate;
    }
    constexpr int kApril = 3, kJune = 5, kSeptember = 8, kNovember = 10, kDay31 = 30;
    const int month = form.monthPosition;
    if ((month == kApril || month == kJune || month == kSeptember || month == kNovember) &&
        form.dayPosition == kDay31) {
        return messages::kThirtyDayMonthDate;
    }
    if (form.zonePosition == kExactOffsetPosition && !ParseUtcOffsetSeconds(form.utcOffsetText)) {
        return messages::kUtcOffset;
    }
    return std::nullopt;
}

std::optional<FormMessage> ValidateLocationLookup(std::string_view city, std::string_view state,
                                                  std::string_view country) {
    if (city.empty()) return messages::kEnterCity;
    if (state.empty()) return messages::kEnterState;
    if (country.empty()) return messages::kEnterCountry;
    return std::nullopt;
}

std::string LocationSearchText(std::string_view city, std::string_view state, std::string_view country) {
    std::string text{city};
    text += ' ';
    text += state;
    text += ' ';
    text += country;
    text += " Latitude Longitude";
    return text;
}

}  // namespace starwise::entry
