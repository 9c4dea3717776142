// What the entry form's controls hold when a reading starts: the texts of
// its boxes and lists and the positions of its lists. The desktop form and
// the command line both fill this and hand it to the same rules.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace starwise::entry {

// What the form's pick lists offer.
inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};
inline constexpr int kFirstYear = 1901;  // cboYear runs from here ...
inline constexpr int kLastYear = 2050;   // ... to here
inline constexpr int kLastDay = 31;      // cboDate offers 1..31 in every month

struct EntryFormValues {
    std::string nameText;         // txtName
    int monthPosition = 0;        // cboMonth, 0 = January; -1 when none
    int dayPosition = 0;          // cboDate, 0 = day 1; -1 when none
    std::string dayText = "1";    // cboDate text
    std::string yearText = "1901";
    std::string hourText = "0";
    std::string minuteText = "0";
    std::string secondText = "0";  // cboSS: shown, never read by the reading
    std::string longitudeDegreesText;  // txtLonD, at most 3 characters
    std::string longitudeMinutesText;  // txtLonM, at most 2
    std::string latitudeDegreesText;   // txtLatD, at most 2
    std::string latitudeMinutesText;   // txtLatM, at most 2
    bool eastSelected = true;          // optLong(0) "East"
    bool southSelected = false;        // optLat(1) "South"
    bool daylightSaving = false;       // chkDST
    int zonePosition = 29;             // cmbTimeZone; kExactOffsetPosition for the exact offset
    std::string utcOffsetText{};       // txtUtcOffset, "+05:45": read when the exact offset is chosen
    friend bool operator==(const EntryFormValues&, const EntryFormValues&) = default;
};

// The zone list's last entry, after the 71 zones: the exact UTC offset typed
// in txtUtcOffset (or filled from the tz database) is used instead of a zone.
inline constexpr int kExactOffsetPosition = 71;

// Fields of the form that a message can send the focus to.
enum class FormField {
    None, Name, LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes, City, State, Country, UtcOffset
};

enum class MessageIcon { Error, Information };

// A message box of the form: its text, its icon and where the focus goes.
struct FormMessage {
    std::string_view text;
    MessageIcon icon;
    FormField focus;
    friend bool operator==(const FormMessage&, const FormMessage&) = default;
};

// Largest number of characters each coordinate box holds.
inline constexpr std::size_t kLongitudeDegreesMaxLength = 3;
inline constexpr std::size_t kCoordinateMaxLength = 2;

// Most characters (Unicode code points) a name may have: what the report's
// title and the document's footer can show.
inline constexpr std::size_t kNameMaxCharacters = 60;

}  // namespace starwise::entry
