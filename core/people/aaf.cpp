#include "people/aaf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>

#include "entry/zones.h"
#include "people/people_store.h"

namespace starwise::people {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondsPerDay = 86400.0;
constexpr double kJulianDayToleranceDays = 1.0 / 1440.0;  // one minute
constexpr int kMaxOffsetSeconds = 16 * 3600;
constexpr std::size_t kProblemTextBytes = 80;
constexpr double kArcSecondDeg = 1.0 / 3600.0;

// Our own chunk, which other programs skip: the coordinates in degrees as
// stored (B93 has whole seconds of arc at best) and where an exact offset came
// from, "#STARWISE:18.519569999999998,73.855350000000001,tz-database". It is
// used only where it agrees with the record's #B93 line.
constexpr std::string_view kExactChunk = "STARWISE";

struct SourceWord {
    entry::OffsetSource source;
    std::string_view word;
};
constexpr std::array<SourceWord, 3> kSourceWords{{
    {entry::OffsetSource::Given, "given"},
    {entry::OffsetSource::TimeZoneDatabase, "tz-database"},
    {entry::OffsetSource::LocalMeanTime, "local-mean-time"},
}};

// White space as the C and POSIX locales define it, ignored around fields.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IsUnknown(std::string_view field) { return field.empty() || field == "*"; }

std::vector<std::string_view> SplitFields(std::string_view data) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = data.find(',', start);
        fields.push_back(Trim(data.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || (length == 2 && c < 0xc2) || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            result += ch;
        } else {
            result += static_cast<char>(0xc0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return result;
}

// A whole number of 1..maxDigits digits, the whole text.
std::optional<int> WholeNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    return value;
}

// "27.9.1970": day, month, four-digit year.
std::optional<std::chrono::year_month_day> DateOfField(std::string_view field) {
    const std::size_t first = field.find('.');
    const std::size_t second = first == std::string_view::npos ? first : field.find('.', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto day = WholeNumber(field.substr(0, first), 2);
    const auto month = WholeNumber(field.substr(first + 1, second - first - 1), 2);
    const auto year = WholeNumber(field.substr(second + 1), 4);
    if (!day || !month || !year || field.size() - second - 1 != 4) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return date;
}

// "11:04", "1.10", "6:30:00": minutes after midnight. Seconds other than 00
// are refused (a birth keeps whole minutes).
std::optional<int> MinutesOfField(std::string_view field) {
    const std::size_t separator = field.find_first_of(":.");
    if (separator == std::string_view::npos) return std::nullopt;
    std::string_view rest = field.substr(separator + 1);
    std::string_view seconds;
    if (const std::size_t more = rest.find(field[separator]); more != std::string_view::npos) {
        seconds = rest.substr(more + 1);
        rest = rest.substr(0, more);
        if (seconds.size() != 2 || WholeNumber(seconds, 2) != 0) return std::nullopt;
    }
    const auto hours = WholeNumber(field.substr(0, separator), 2);
    const auto minutes = WholeNumber(rest, 2);
    if (!hours || !minutes || rest.size() != 2 || *hours > 23 || *minutes > 59) return std::nullopt;
    return *hours * 60 + *minutes;
}

// "49n05", "8e11", "5e27:30": degrees, the hemisphere letter, minutes and
// optional seconds. Degrees, positive for the first of the two letters.
std::optional<double> CoordinateOfField(std::string_view field, char positive, char negative, int maxDegrees) {
    const std::size_t letter = field.find_first_of(std::string{positive, negative, static_cast<char>(positive - 32),
                                                               static_cast<char>(negative - 32)});
    if (letter == std::string_view::npos) return std::nullopt;
    const bool isPositive = (field[letter] | 0x20) == positive;
    std::string_view minutesText = field.substr(letter + 1);
    std::string_view secondsText = "0";
    if (const std::size_t colon = minutesText.find(':'); colon != std::string_view::npos) {
        secondsText = minutesText.substr(colon + 1);
        minutesText = minutesText.substr(0, colon);
    }
    if (minutesText.empty()) minutesText = "0";
    const auto degrees = WholeNumber(field.substr(0, letter), 3);
    const auto minutes = WholeNumber(minutesText, 2);
    const auto seconds = WholeNumber(secondsText, 2);
    if (!degrees || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
    const double value = *degrees + *minutes / 60.0 + *seconds / 3600.0;
    if (value > maxDegrees) return std::nullopt;
    return isPositive ? value : -value;
}

// The zone field: "1he", "5hw00", "5he30", "0e21:48", or a bare "1" (hours
// east). Seconds east of Greenwich.
std::optional<int> OffsetOfZoneField(std::string_view field) {
    const std::size_t letter = field.find_first_of("eEwW");
    if (letter == std::string_view::npos) {
        const auto hours = WholeNumber(field, 2);
        if (!hours) return std::nullopt;
        return *hours * 3600;
    }
    std::string_view hoursText = field.substr(0, letter);
    if (!hoursText.empty() && (hoursText.back() == 'h' || hoursText.back() == 'H')) hoursText.remove_suffix(1);
    std::string_view minutesText = field.substr(letter + 1);
    std::string_view secondsText = "0";
    if (const std::size_t colon = minutesText.find(':'); colon != std::string_view::npos) {
        secondsText = minutesText.substr(colon + 1);
        minutesText = minutesText.substr(0, colon);
    }
    if (minutesText.empty()) minutesText = "0";
    const auto hours = WholeNumber(hoursText, 2);
    const auto minutes = WholeNumber(minutesText, 2);
    const auto seconds = WholeNumber(secondsText, 2);
    if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
    const int east = *hours * 3600 + *minutes * 60 + *seconds;
    return (field[letter] | 0x20) == 'e' ? east : -east;
}

// A zone-list row's abbreviation: the second comma-separated part of its
// text ("Eastern Standard Time,EST,-5.0" gives "EST").
std::string_view RowAbbreviation(const entry::ZoneRow& row) {
    const std::size_t first = row.listText.find(',');
    const std::size_t second = row.listText.find(',', first + 1);
    return Trim(row.listText.substr(first + 1, second - first - 1));
}

int RowStandardOffsetSeconds(const entry::ZoneRow& row) { return -(row.zoneOffsetHours * 3600 + row.zoneOffsetMinutes * 60); }

// The line's first kProblemTextBytes bytes, not cutting a UTF-8 character.
// Whether the text holds a control character other than those allowed (a
// tab; in a note also the line feed that joins its lines).
bool HasControl(std::string_view text, bool lineFeeds) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && !(lineFeeds && c == '\n')) || byte == 0x7f) return true;
    }
    return false;
}

std::string Cut(std::string_view line) {
    if (line.size() <= kProblemTextBytes) return std::string{line};
    std::size_t end = kProblemTextBytes;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xc0) == 0x80) --end;
    return std::string{line.substr(0, end)} + "...";
}

struct Chunk {
    int lineNumber = 0;
    std::string_view lineText;
    std::string id;    // "A93", "COM", ":"
    std::string data;  // after the colon, continuation lines joined by '\n'
};

struct RawRecord {
    const Chunk* a93 = nullptr;
    const Chunk* b93 = nullptr;
    const Chunk* znam = nullptr;
    const Chunk* exact = nullptr;  // #STARWISE
    std::vector<const Chunk*> comments;
};

void Problem(AafReading& reading, const Chunk& chunk, std::string reason) {
    reading.problems.push_back({chunk.lineNumber, Cut(chunk.lineText), std::move(reason)});
}

std::string DateWords(const std::chrono::year_month_day& date) {
    char text[24];
    std::snprintf(text, sizeof text, "%u.%u.%d", static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()));
    return text;
}

// The person of one record, or problems added to `reading`.
void ReadRecord(const RawRecord& raw, AafReading& reading) {
    const Chunk& a93 = *raw.a93;
    const auto a = SplitFields(a93.data);
    if (a.size() != 7) {
        Problem(reading, a93, "a #A93 line has 7 fields (name, first name, kind, date, time, place, country), this one has " +
                                  std::to_string(a.size()));
        return;
    }
    for (const std::string_view field : a) {
        if (HasControl(field, false)) {
            Problem(reading, a93, "a field holds a control character");
            return;
        }
    }
    PersonEntry entry;
    const std::string_view last = IsUnknown(a[0]) ? std::string_view{} : a[0];
    const std::string_view first = IsUnknown(a[1]) ? std::string_view{} : a[1];
    entry.name = std::string{first} + (first.empty() || last.empty() ? "" : " ") + std::string{last};
    bool good = true;
    if (entry.name.empty()) {
        Problem(reading, a93, "the name is missing");
        good = false;
    }
    const auto date = DateOfField(a[3]);
    if (!date) {
        Problem(reading, a93, IsUnknown(a[3]) ? "the birth date is unknown" : "the date \"" + std::string{a[3]} + "\" is not a day.month.year date");
        good = false;
    } else if (static_cast<int>(date->year()) < 1901 || static_cast<int>(date->year()) > 2050) {
        Problem(reading, a93, "the date " + DateWords(*date) + " is outside the years 1901..2050 that readings cover");
        good = false;
    }
    const auto minutes = MinutesOfField(a[4]);
    if (!minutes) {
        Problem(reading, a93, IsUnknown(a[4]) ? "the birth time is unknown"
                                              : "the time \"" + std::string{a[4]} + "\" is not hours:minutes (00:00..23:59)");
        good = false;
    }
    std::string place{IsUnknown(a[5]) ? std::string_view{} : a[5]};
    for (char& c : place) {
        if (c == '/') c = ',';
    }
    std::string label;
    for (std::size_t start = 0; start <= place.size();) {
        const std::size_t end = std::min(place.find(',', start), place.size());
        const std::string_view part = Trim(std::string_view{place}.substr(start, end - start));
        if (!part.empty()) label += (label.empty() ? "" : ", ") + std::string{part};
        start = end + 1;
    }
    if (!IsUnknown(a[6])) label += (label.empty() ? "" : ", ") + std::string{a[6]};

    if (!raw.b93) {
        Problem(reading, a93, "no #B93 line with the coordinates and the zone follows this record's #A93 line");
        return;
    }
    const Chunk& b93 = *raw.b93;
    const auto b = SplitFields(b93.data);
    if (b.size() != 5) {
        Problem(reading, b93, "a #B93 line has 5 fields (Julian day, latitude, longitude, zone, daylight saving), this one has " +
                                  std::to_string(b.size()));
        return;
    }
    const auto latitude = CoordinateOfField(b[1], 'n', 's', 90);
    const auto longitude = CoordinateOfField(b[2], 'e', 'w', 180);
    if (!latitude) {
        Problem(reading, b93, "the latitude \"" + std::string{b[1]} + "\" is not degrees, n or s, and minutes (49n05)");
        good = false;
    }
    if (!longitude) {
        Problem(reading, b93, "the longitude \"" + std::string{b[2]} + "\" is not degrees, e or w, and minutes (8e11)");
        good = false;
    }
    const std::string_view daylight = b[4];
    const bool localMeanTime = daylight == "L" || daylight == "l" || daylight == "m" || daylight == "M" || daylight == "LMT";
    std::optional<int> zoneSeconds;
    if (!IsUnknown(b[3])) {
        zoneSeconds = OffsetOfZoneField(b[3]);
        if (!zoneSeconds) {
            Problem(reading, b93, "the zone \"" + std::string{b[3]} + "\" is not hours east or west of Greenwich (1he, 5hw00)");
            good = false;
        }
    } else if (localMeanTime && longitude) {
        zoneSeconds = static_cast<int>(std::lround(*longitude * 240.0));  // 15 degrees an hour: 240 s a degree
    } else {
        Problem(reading, b93, "the zone is unknown");
        good = false;
    }
    int daylightHours = 0;
    if (!localMeanTime) {
        const auto hours = WholeNumber(daylight, 1);
        if (!hours || *hours > 2) {
            Problem(reading, b93, IsUnknown(daylight) ? "the daylight-saving field is unknown"
                                                      : "the daylight-saving field \"" + std::string{daylight} + "\" is not 0, 1, 2 or L");
            good = false;
        } else {
            daylightHours = *hours;
        }
    }
    if (!good) return;
    const int offsetSeconds = *zoneSeconds + daylightHours * 3600;
    if (offsetSeconds < -kMaxOffsetSeconds || offsetSeconds > kMaxOffsetSeconds) {
        Problem(reading, b93, "the zone and daylight saving give an offset beyond 16 hours");
        return;
    }

    entry::BirthInput& birth = entry.birth;
    birth.name = entry.name;
    birth.localDate = *date;
    birth.localMinutes = *minutes;
    birth.latitudeDeg = *latitude;
    birth.longitudeDeg = *longitude;
    birth.placeLabel = label;
    birth.zone = entry::ExactOffset{offsetSeconds, localMeanTime ? entry::OffsetSource::LocalMeanTime : entry::OffsetSource::Given};
    if (!localMeanTime && raw.znam && daylightHours <= 1) {
        const std::string_view abbreviation = Trim(raw.znam->data);
        for (std::size_t position = 0; position < entry::kZoneCount; ++position) {
            const entry::ZoneRow& row = entry::kZones[position];
            if (RowAbbreviation(row) == abbreviation && RowStandardOffsetSeconds(row) == *zoneSeconds) {
                birth.zone = entry::ZoneRowChoice{static_cast<int>(position), daylightHours == 1};
                break;
            }
        }
    }
    if (raw.exact) {
        const auto fields = SplitFields(raw.exact->data);
        double latitudeDeg = 0.0;
        double longitudeDeg = 0.0;
        const bool numbers = fields.size() == 3 &&
                             std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), latitudeDeg).ec == std::errc{} &&
                             std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), longitudeDeg).ec == std::errc{};
        if (numbers && std::abs(latitudeDeg - birth.latitudeDeg) <= kArcSecondDeg &&
            std::abs(longitudeDeg - birth.longitudeDeg) <= kArcSecondDeg) {
            birth.latitudeDeg = latitudeDeg;
            birth.longitudeDeg = longitudeDeg;
        }
        auto* exact = std::get_if<entry::ExactOffset>(&birth.zone);
        for (const SourceWord& source : kSourceWords) {
            const bool agrees = (source.source == entry::OffsetSource::LocalMeanTime) == localMeanTime;
            if (numbers && exact && agrees && fields[2] == source.word) exact->source = source.source;
        }
    }
    if (!IsUnknown(b[0])) {
        double julianDay = 0.0;
        const auto [end, error] = std::from_chars(b[0].data(), b[0].data() + b[0].size(), julianDay);
        if (error != std::errc{} || end != b[0].data() + b[0].size()) {
            Problem(reading, b93, "the Julian day \"" + std::string{b[0]} + "\" is not a number");
            return;
        }
        const double expected = JulianDayOfBirth(birth);
        if (std::abs(julianDay - expected) > kJulianDayToleranceDays) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "the Julian day %.6f does not agree with the date, time and zone, which give %.6f", julianDay,
                          expected);
            Problem(reading, b93, text);
            return;
        }
    }
    for (const Chunk* comment : raw.comments) {
        if (HasControl(comment->data, true)) {
            Problem(reading, *comment, "the note holds a control character");
            return;
        }
        entry.note += (entry.note.empty() ? "" : "\n") + comment->data;
    }
    reading.records.push_back({a93.lineNumber, std::move(entry)});
}

// A text fit for one field: no commas (semicolons instead), no line breaks
// or other control characters, "*" when empty.
std::string Field(std::string_view text, std::string_view what, std::string_view name, std::vector<std::string>& changes) {
    std::string field;
    bool changed = false;
    for (const char c : Trim(text)) {
        if (c == ',') {
            field += ';';
            changed = true;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            field += ' ';
            changed = true;
        } else {
            field += c;
        }
    }
    if (changed) changes.push_back(std::string{name} + ": the " + std::string{what} + " was written as \"" + field + "\"");
    return field.empty() ? "*" : field;
}

std::string CoordinateText(double degrees, char positive, char negative) {
    const long totalSeconds = std::lround(std::abs(degrees) * 3600.0);
    const long whole = totalSeconds / 3600;
    const long minutes = totalSeconds / 60 % 60;
    const long seconds = totalSeconds % 60;
    char text[32];
    if (seconds == 0) {
        std::snprintf(text, sizeof text, "%ld%c%02ld", whole, degrees < 0 ? negative : positive, minutes);
    } else {
        std::snprintf(text, sizeof text, "%ld%c%02ld:%02ld", whole, degrees < 0 ? negative : positive, minutes, seconds);
    }
    return text;
}

std::string ZoneText(int offsetSeconds) {
    const int east = std::abs(offsetSeconds);
    char text[32];
    if (east % 60 == 0) {
        std::snprintf(text, sizeof text, "%dh%c%02d", east / 3600, offsetSeconds < 0 ? 'w' : 'e', east / 60 % 60);
    } else {
        std::snprintf(text, sizeof text, "%dh%c%02d:%02d", east / 3600, offsetSeconds < 0 ? 'w' : 'e', east / 60 % 60,
                      east % 60);
    }
    return text;
}

}  // namespace

int UtcOffsetSecondsOf(const entry::BirthZone& zone) {
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) {
        if (row->zonePosition < 0 || row->zonePosition >= static_cast<int>(entry::kZoneCount)) return 0;
        return RowStandardOffsetSeconds(entry::kZones[static_cast<std::size_t>(row->zonePosition)]) +
               (row->daylightSaving ? 3600 : 0);
    }
    return std::get<entry::ExactOffset>(zone).utcOffsetSeconds;
}

double JulianDayOfBirth(const entry::BirthInput& birth) {
    const auto days = std::chrono::sys_days{birth.localDate}.time_since_epoch().count();
    const double utSeconds = birth.localMinutes * 60.0 - UtcOffsetSecondsOf(birth.zone);
    return kUnixEpochJulianDay + static_cast<double>(days) + utSeconds / kSecondsPerDay;
}

AafReading ReadAaf(std::string_view input) {
    if (input.substr(0, 3) == "\xEF\xBB\xBF") input.remove_prefix(3);
    const std::string text = IsValidUtf8(input) ? std::string{input} : Latin1ToUtf8(input);

    // Lines (LF, CR LF or CR), then chunks: a line starting with '#' opens
    // one; any other non-blank line continues the one before.
    std::vector<Chunk> chunks;
    AafReading reading;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view{text}.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++lineNumber;
        if (!line.empty() && line.front() == '#') {
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) {
                reading.problems.push_back({lineNumber, Cut(line), "a line starting with # has no colon after its chunk name"});
                continue;
            }
            chunks.push_back({lineNumber, line, std::string{line.substr(1, colon - 1)}, std::string{line.substr(colon + 1)}});
        } else if (!Trim(line).empty() || (line == " " && !chunks.empty() && chunks.back().id == "COM")) {
            if (chunks.empty()) {
                reading.problems.push_back({lineNumber, Cut(line), "text before the first chunk (lines start with #A93:, #B93:, ...)"});
                continue;
            }
            chunks.back().data += '\n';
            // A note's blank lines and lines starting with '#' are written
            // with one space before them (see WriteAaf).
            const bool escaped = chunks.back().id == "COM" && (line == " " || line.substr(0, 2) == " #");
            chunks.back().data += escaped ? line.substr(1) : line;
        }
    }

    std::vector<RawRecord> records;
    for (const Chunk& chunk : chunks) {
        if (chunk.id == "A93") {
            records.push_back({&chunk, nullptr, nullptr, nullptr, {}});
        } else if (chunk.id == "B93" || chunk.id == "ZNAM" || chunk.id == "COM" || chunk.id == kExactChunk) {
            if (records.empty()) {
                reading.problems.push_back({chunk.lineNumber, Cut(chunk.lineText), "#" + chunk.id + " before the first #A93 line"});
                continue;
            }
            RawRecord& record = records.back();
            if (chunk.id == "COM") {
                record.comments.push_back(&chunk);
            } else {
                const Chunk*& slot = chunk.id == "B93" ? record.b93 : chunk.id == "ZNAM" ? record.znam : record.exact;
                if (slot != nullptr) {
                    reading.problems.push_back({chunk.lineNumber, Cut(chunk.lineText), "a second #" + chunk.id + " line in one record"});
                } else {
                    slot = &chunk;
                }
            }
        }
        // Other chunks (#SRC, #LPOS, ..., "#:" comments) carry nothing a birth needs.
    }
    for (const RawRecord& record : records) ReadRecord(record, reading);
    std::stable_sort(reading.problems.begin(), reading.problems.end(),
                     [](const AafLineProblem& x, const AafLineProblem& y) { return x.lineNumber < y.lineNumber; });
    return reading;
}

AafWriting WriteAaf(const std::vector<PersonEntry>& people) {
    AafWriting writing;
    writing.text = "#: Starwise people, " + std::to_string(people.size()) + (people.size() == 1 ? " record\n" : " records\n");
    for (const PersonEntry& person : people) {
        const entry::BirthInput& birth = person.birth;
        const std::string_view name = Trim(person.name);
        const std::size_t space = name.find_last_of(' ');
        const std::string_view last = space == std::string_view::npos ? name : name.substr(space + 1);
        const std::string_view first = space == std::string_view::npos ? std::string_view{} : Trim(name.substr(0, space));

        std::string_view label = birth.placeLabel;
        const std::size_t lastComma = label.find_last_of(',');
        const std::string_view country = lastComma == std::string_view::npos ? std::string_view{} : label.substr(lastComma + 1);
        std::string place{lastComma == std::string_view::npos ? label : label.substr(0, lastComma)};
        std::string placeWithSlashes;
        for (std::size_t start = 0; start <= place.size();) {
            const std::size_t end = std::min(place.find(',', start), place.size());
            const std::string_view part = Trim(std::string_view{place}.substr(start, end - start));
            placeWithSlashes += (start == 0 ? "" : "/") + std::string{part};
            start = end + 1;
        }

        char when[48];
        std::snprintf(when, sizeof when, "%u.%u.%d,%d:%02d", static_cast<unsigned>(birth.localDate.day()),
                      static_cast<unsigned>(birth.localDate.month()), static_cast<int>(birth.localDate.year()),
                      birth.localMinutes / 60, birth.localMinutes % 60);
        writing.text += "#A93:" + Field(last, "name", person.name, writing.changes) + "," +
                        Field(first, "first name", person.name, writing.changes) + ",*," + when + "," +
                        Field(placeWithSlashes, "place", person.name, writing.changes) + "," +
                        Field(country, "country", person.name, writing.changes) + "\n";

        std::string zone;
        std::string daylight = "0";
        std::string zoneName;
        if (const auto* row = std::get_if<entry::ZoneRowChoice>(&birth.zone)) {
            const entry::ZoneRow& zoneRow = entry::kZones[static_cast<std::size_t>(row->zonePosition)];
            zone = ZoneText(RowStandardOffsetSeconds(zoneRow));
            daylight = row->daylightSaving ? "1" : "0";
            zoneName = RowAbbreviation(zoneRow);
        } else {
            const auto& exact = std::get<entry::ExactOffset>(birth.zone);
            zone = ZoneText(exact.utcOffsetSeconds);
            if (exact.source == entry::OffsetSource::LocalMeanTime) {
                daylight = "L";
                zoneName = "LMT";
            }
        }
        char julianDay[32];
        std::snprintf(julianDay, sizeof julianDay, "%.6f", JulianDayOfBirth(birth));
        writing.text += std::string{"#B93:"} + julianDay + "," + CoordinateText(birth.latitudeDeg, 'n', 's') + "," +
                        CoordinateText(birth.longitudeDeg, 'e', 'w') + "," + zone + "," + daylight + "\n";
        if (!zoneName.empty()) writing.text += "#ZNAM:" + zoneName + "\n";
        const auto* exact = std::get_if<entry::ExactOffset>(&birth.zone);
        std::string_view sourceWord = "row";
        for (const SourceWord& source : kSourceWords) {
            if (exact && exact->source == source.source) sourceWord = source.word;
        }
        char exactLine[96];
        std::snprintf(exactLine, sizeof exactLine, "#%s:%.17g,%.17g,%s\n", std::string{kExactChunk}.c_str(),
                      birth.latitudeDeg, birth.longitudeDeg, std::string{sourceWord}.c_str());
        writing.text += exactLine;
        if (!person.note.empty()) {
            // Continuation lines must not start with '#', which would open a chunk.
            writing.text += "#COM:";
            for (std::size_t start = 0; start <= person.note.size();) {
                std::size_t end = person.note.find('\n', start);
                if (end == std::string::npos) end = person.note.size();
                std::string line = person.note.substr(start, end - start);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (start > 0) writing.text += (line.empty() || line.front() == '#') ? "\n " : "\n";
                writing.text += line;
                start = end + 1;
            }
            writing.text += "\n";
        }
    }
    return writing;
}

}  // namespace starwise::people
