#include "entry/utc_offset.h"

#include <cstdlib>

namespace starwise::entry {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads exactly `count` digits at `at`, advancing it.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (text.size() - at < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i, ++at) {
        if (!IsDigit(text[at])) return std::nullopt;
        value = value * 10 + (text[at] - '0');
    }
    return value;
}

std::string TwoDigits(long long value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::optional<int> ParseUtcOffsetSeconds(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::size_t at = 0;
    if (text[at] != '+' && text[at] != '-') return std::nullopt;
    const int sign = text[at++] == '-' ? -1 : 1;
    // One or two digits of hours.
    const std::size_t hourDigits = at + 1 < text.size() && IsDigit(text[at + 1]) ? 2 : 1;
    const std::optional<int> hours = Digits(text, at, hourDigits);
    if (!hours || at >= text.size() || text[at++] != ':') return std::nullopt;
    const std::optional<int> minutes = Digits(text, at, 2);
    if (!minutes || *minutes >= 60) return std::nullopt;
    int seconds = 0;
    if (at < text.size()) {
        if (text[at++] != ':') return std::nullopt;
        const std::optional<int> read = Digits(text, at, 2);
        if (!read || *read >= 60 || at != text.size()) return std::nullopt;
        seconds = *read;
    }
    const int total = *hours * kSecondsPerHour + *minutes * kSecondsPerMinute + seconds;
    if (total > kLargestUtcOffsetSeconds) return std::nullopt;
    return sign * total;
}

std::string UtcOffsetBoxText(int utcOffsetSeconds) {
    const long long magnitude = std::llabs(static_cast<long long>(utcOffsetSeconds));
    std::string text = utcOffsetSeconds < 0 ? "-" : "+";
    text += TwoDigits(magnitude / kSecondsPerHour) + ":" + TwoDigits(magnitude % kSecondsPerHour / kSecondsPerMinute);
    if (const long long seconds = magnitude % kSecondsPerMinute; seconds != 0) text += ":" + TwoDigits(seconds);
    return text;
}

}  // namespace starwise::entry
