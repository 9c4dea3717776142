#include "entry/form_input.h"

#include <charconv>

#include "entry/messages.h"
#include "entry/utc_offset.h"
#include "entry/validation.h"
#include "entry/zones.h"

namespace starwise::entry {
namespace {

constexpr int kMinutesPerHour = 60;

// A whole number with nothing but spaces around it.
std::optional<int> WholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Degrees and minutes of two boxes that passed the form's range checks.
double AngleDeg(std::string_view degreesText, std::string_view minutesText, bool negative) {
    const double angle = LeadingNumber(degreesText) + LeadingNumber(minutesText) / 60.0;
    return negative ? -angle : angle;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
    }
    return count;
}

std::optional<FormDateTime> FormDateTimeOf(const EntryFormValues& form) {
    const auto year = WholeNumber(form.yearText);
    const auto day = WholeNumber(form.dayText);
    const auto hour = WholeNumber(form.hourText);
    const auto minute = WholeNumber(form.minuteText);
    if (!year || !day || !hour || !minute || form.monthPosition < 0 || form.monthPosition > 11 || *day < 1 ||
        *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(form.monthPosition + 1)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return FormDateTime{date, *hour * kMinutesPerHour + *minute};
}

std::variant<BirthInput, FormMessage> BirthInputOfForm(const EntryFormValues& form) {
    if (const auto refused = ValidateEntryForm(form)) return *refused;
    if (CharacterCount(form.nameText) > kNameMaxCharacters) return messages::kNameTooLong;
    const auto when = FormDateTimeOf(form);
    if (!when) {
        // The lists offer only numbers; a text that is not one says which.
        const auto hour = WholeNumber(form.hourText);
        const auto minute = WholeNumber(form.minuteText);
        const bool timeFits = hour && minute && *hour >= 0 && *hour <= 23 && *minute >= 0 && *minute <= 59;
        return timeFits ? messages::kFebruaryDate : messages::kCorrectTime;
    }
    BirthZone zone = ZoneRowChoice{form.zonePosition, form.daylightSaving};
    if (form.zonePosition == kExactOffsetPosition) {
        const std::optional<int> seconds = ParseUtcOffsetSeconds(form.utcOffsetText);
        if (!seconds) return messages::kUtcOffset;  // ValidateEntryForm refuses it first
        zone = ExactOffset{*seconds, OffsetSource::Given};
    } else if (!ZoneRowUtcOffsetSeconds(std::get<ZoneRowChoice>(zone))) {
        return messages::kChooseTimeZone;
    }

    BirthInput birth;
    birth.name = form.nameText;
    birth.localDate = when->localDate;
    birth.localMinutes = when->localMinutes;
    birth.longitudeDeg = AngleDeg(form.longitudeDegreesText, form.longitudeMinutesText, !form.eastSelected);
    birth.latitudeDeg = AngleDeg(form.latitudeDegreesText, form.latitudeMinutesText, form.southSelected);
    birth.zone = zone;
    return birth;
}

}  // namespace starwise::entry
