#include "entry/capture.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace starwise::entry {

std::int16_t TextToInt16(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) throw std::invalid_argument("empty number");
    const std::string_view trimmed = text.substr(first, text.find_last_not_of(' ') - first + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc{} || end != trimmed.data() + trimmed.size()) {
        throw std::invalid_argument("not a number: " + std::string{text});
    }
    const double rounded = std::nearbyint(value);  // default rounding: to nearest, halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw std::out_of_range("number outside 16 bits");
    return static_cast<std::int16_t>(rounded);
}

namespace {

// Runs one capture; a failure leaves the field as it was.
template <typename Capture>
void CaptureField(Capture&& capture) {
    try {
        capture();
    } catch (const std::exception&) {
    }
}

}  // namespace

void CaptureBirthData(const EntryFormValues& form, const engine::ZoneOffset& zone, engine::BirthData& birth) {
    birth.name = form.nameText;
    CaptureField([&] {
        if (form.monthPosition < 0 || form.monthPosition > 11) throw std::out_of_range("no month selected");
        birth.month = static_cast<std::int16_t>(form.monthPosition + 1);
    });
    CaptureField([&] { birth.day = TextToInt16(form.dayText); });
    CaptureField([&] { birth.year = TextToInt16(form.yearText); });
    CaptureField([&] { birth.hour = TextToInt16(form.hourText); });
    CaptureField([&] { birth.minute = TextToInt16(form.minuteText); });
    birth.zoneHours = static_cast<std::int16_t>(std::abs(zone.zoneOffsetHours));
    birth.zoneMinutes = static_cast<std::int16_t>(std::abs(zone.zoneOffsetMinutes));
    CaptureField([&] { birth.longitudeDegrees = TextToInt16(form.longitudeDegreesText); });
    CaptureField([&] { birth.longitudeMinutes = TextToInt16(form.longitudeMinutesText); });
    CaptureField([&] { birth.latitudeDegrees = TextToInt16(form.latitudeDegreesText); });
    CaptureField([&] { birth.latitudeMinutes = TextToInt16(form.latitudeMinutesText); });
    birth.isEast = form.eastSelected;
    birth.isSouth = form.southSelected;
    birth.daylightSaving = form.daylightSaving;
}

}  // namespace starwise::entry
