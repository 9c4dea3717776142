#include "reading/birth_header.h"

#include "atlas/birth_place.h"  // LocalMinuteOf
#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"

namespace starwise::reading {
namespace {

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// 18.51957, 'N', 'S' -> "18°31'N"
std::string AngleText(double angleDeg, char positive, char negative) {
    const atlas::WholeMinutesAngle angle = atlas::ToWholeMinutes(angleDeg);
    return std::to_string(angle.degrees) + "\u00b0" + TwoDigits(angle.minutes) + "'" +
           (angle.negative ? negative : positive);
}

std::string ZoneUsed(const entry::BirthZone& zone) {
    std::string text = atlas::ZoneText(zone);
    if (std::holds_alternative<entry::ZoneRowChoice>(zone)) {
        if (const std::optional<int> seconds = atlas::ZoneUtcOffsetSeconds(zone)) {
            text += ", " + atlas::UtcOffsetText(*seconds);
        }
    }
    return text;
}

}  // namespace

std::string BirthHeaderText(const entry::BirthInput& birth) {
    std::string line = birth.name.empty() ? "Born " : birth.name + ", born ";
    line += atlas::LocalMinuteText(atlas::LocalMinuteOf(birth.localDate, birth.localMinutes));
    const std::string coordinates =
        AngleText(birth.latitudeDeg, 'N', 'S') + " " + AngleText(birth.longitudeDeg, 'E', 'W');
    line += birth.placeLabel.empty() ? " at " + coordinates : " in " + birth.placeLabel + " (" + coordinates + ")";
    line += "; zone: " + ZoneUsed(birth.zone);
    return line;
}

}  // namespace starwise::reading
