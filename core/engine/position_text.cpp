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

// Appends a part, with one leading "0" when it has at most one character.
void AppendPaddedToTwo(std::string& text, std::string_view part) {
    if (part.size() <= 1) text += '0';
    text += part;
}

// Appends a non-negative whole number below 1000 without leading zeros.
char* AppendWhole(char* out, int value) {
    if (value >= 100) *out++ = static_cast<char>('0' + value / 100);
    if (value >= 10) *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

}  // namespace

std::string_view SignAbbreviation(int sign) {
    if (sign < 0 || sign > 11) throw std::out_of_range("sign number outside 0..11");
    return kSignAbbreviations.substr(static_cast<std::size_t>(sign) * 3, 3);
}

namespace {

// The truncated parts of a longitude: sign 0..11, degrees within the sign,
// minutes and seconds.
struct PositionParts {
    int sign;
    int degreesInSign;
    int minutes;
    int seconds;
};

PositionParts PartsOf(double degrees) {
    const double value = std::abs(degrees);
    if (!(value < 360.0)) throw std::domain_error("longitude outside one turn");
    const double wholeDegrees = std::floor(value);
    const double minutesFraction = 60.0 * (value - wholeDegrees);
    const double wholeMinutes = std::floor(minutesFraction);
    const double wholeSeconds = std::floor(60.0 * (minutesFraction - wholeMinutes));
    const int sign = static_cast<int>(std::floor(wholeDegrees / 30.0));
    return {sign, static_cast<int>(wholeDegrees) - 30 * sign, static_cast<int>(wholeMinutes),
            static_cast<int>(wholeSeconds)};
}

}  // namespace

int WholeDegreesOf(double degrees) {
    const PositionParts parts = PartsOf(degrees);
    return 30 * parts.sign + parts.degreesInSign;
}

std::string ShortPositionOf(double degrees) {
    const PositionParts parts = PartsOf(degrees);
    char buffer[16];
    char* out = buffer;
    if (parts.degreesInSign < 10) *out++ = '0';
    out = AppendWhole(out, parts.degreesInSign);
    *out++ = ' ';
    for (const char c : SignAbbreviation(parts.sign)) *out++ = c;
    *out++ = ' ';
    if (parts.minutes < 10) *out++ = '0';
    out = AppendWhole(out, parts.minutes);
    return std::string(buffer, out);
}

std::string FormatLongPosition(double degrees) {
    const PositionParts parts = PartsOf(degrees);
    const int sign = parts.sign;
    const int degreesInSign = parts.degreesInSign;
    const int wholeMinutes = parts.minutes;
    const int wholeSeconds = parts.seconds;

    // Built in a small buffer: this runs thirteen times per chart.
    char buffer[32];
    char* out = AppendWhole(buffer, degreesInSign);
    for (const char c : kDegreeSign) *out++ = c;
    *out++ = ' ';
    out = AppendWhole(out, wholeMinutes);
    *out++ = '\'';
    *out++ = ' ';
    out = AppendWhole(out, wholeSeconds);
    *out++ = '"';
    *out++ = ' ';
    for (const char c : SignAbbreviation(sign)) *out++ = c;
    return std::string(buffer, out);
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

    std::string text;
    text.reserve(degreesPart.size() + signPart.size() + minutesPart.size() + 4);
    AppendPaddedToTwo(text, degreesPart);
    text += ' ';
    text += signPart;
    text += ' ';
    AppendPaddedToTwo(text, minutesPart);
    return text;
}

}  // namespace starwise::engine
