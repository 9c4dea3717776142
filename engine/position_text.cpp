#include "engine/position_text.h"

#include <cmath>
#include <stdexcept>

namespace starwise::engine {
namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

// Removes leading and trailing spaces (spaces only, as the entry form does).
std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string PadToTwo(std::string_view part) {
    std::string padded;
    if (part.size() <= 1) padded = "0";
    padded += part;
    return padded;
}

}  // namespace

std::string_view SignAbbreviation(int sign) {
    if (sign < 0 || sign > 11) throw std::out_of_range("sign number outside 0..11");
    return kSignAbbreviations.substr(static_cast<std::size_t>(sign) * 3, 3);
}

std::string FormatLongPosition(double degrees) {
    const double value = std::abs(degrees);
    if (!(value < 360.0)) throw std::domain_error("longitude outside one turn");
    const double wholeDegrees = std::floor(value);
    const double minutesFraction = 60.0 * (value - wholeDegrees);
    const double wholeMinutes = std::floor(minutesFraction);
    const double wholeSeconds = std::floor(60.0 * (minutesFraction - wholeMinutes));

    const int sign = static_cast<int>(std::floor(wholeDegrees / 30.0));
    const int degreesInSign = static_cast<int>(wholeDegrees) - 30 * sign;

    std::string text = std::to_string(degreesInSign);
    text += kDegreeSign;
    text += ' ';
    text += std::to_string(static_cast<int>(wholeMinutes));
    text += "' ";
    text += std::to_string(static_cast<int>(wholeSeconds));
    text += "\" ";
    text += SignAbbreviation(sign);
    return text;
}

std::string FormatShortPosition(std::string_view longText) {
    const std::string_view trimmed = TrimSpaces(longText);
    const auto degreeAt = trimmed.find(kDegreeSign);
    const auto minuteAt = trimmed.find('\'');
    if (degreeAt == std::string_view::npos || minuteAt == std::string_view::npos ||
        minuteAt < degreeAt + kDegreeSign.size()) {
        throw std::invalid_argument("not a long position text");
    }
    const std::string_view degreesPart = TrimSpaces(trimmed.substr(0, degreeAt));
    const std::size_t minutesStart = degreeAt + kDegreeSign.size();
    const std::string_view minutesPart =
        TrimSpaces(trimmed.substr(minutesStart, minuteAt - minutesStart));
    const std::string_view signPart =
        TrimSpaces(longText.substr(longText.size() >= 3 ? longText.size() - 3 : 0));

    std::string text = PadToTwo(degreesPart);
    text += ' ';
    text += signPart;
    text += ' ';
    text += PadToTwo(minutesPart);
    return text;
}

}  // namespace starwise::engine
