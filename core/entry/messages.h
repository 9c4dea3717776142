// Every message the entry form shows, with its icon and the field that
// receives the focus afterwards.
#pragma once

#include "entry/entry_form.h"

namespace starwise::entry::messages {

inline constexpr FormMessage kEnterName{"Please Enter Name", MessageIcon::Error, FormField::Name};
inline constexpr FormMessage kLongitudeDegrees{
    "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Error, FormField::LongitudeDegrees};
inline constexpr FormMessage kLongitudeMinutes{
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Error, FormField::LongitudeMinutes};
inline constexpr FormMessage kLatitudeDegrees{
    "Please Enter Value Between 0 And 89 in the Degree of Latitude", MessageIcon::Error, FormField::LatitudeDegrees};
inline constexpr FormMessage kLatitudeMinutes{
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Error, FormField::LatitudeMinutes};
inline constexpr FormMessage kFebruaryDate{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                           FormField::None};
inline constexpr FormMessage kThirtyDayMonthDate{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                                 FormField::None};
inline constexpr FormMessage kNameTooLong{"Please Enter a Name of at Most 60 Letters", MessageIcon::Error,
                                          FormField::Name};
inline constexpr FormMessage kChooseTimeZone{"Please Choose a Time Zone", MessageIcon::Information, FormField::None};
inline constexpr FormMessage kCorrectTime{"Please Enter Correct Hour Or Minute!", MessageIcon::Information,
                                          FormField::None};
inline constexpr FormMessage kUtcOffset{"Please Enter The UTC Offset As +HH:MM Or +HH:MM:SS, Between -16:00 And +16:00",
                                       MessageIcon::Error, FormField::UtcOffset};
inline constexpr FormMessage kOnlyNumbers{"Only Numbers Are Accepted", MessageIcon::Error, FormField::None};
inline constexpr FormMessage kOnlyLetters{"Please Enter only Letters", MessageIcon::Information, FormField::None};
inline constexpr FormMessage kEnterCity{"Please Enter City", MessageIcon::Information, FormField::City};
inline constexpr FormMessage kEnterState{"Please Enter State", MessageIcon::Information, FormField::State};
inline constexpr FormMessage kEnterCountry{"Please Enter Country", MessageIcon::Information, FormField::Country};

inline constexpr std::string_view kAlreadyRunning = "Application is already running";

}  // namespace starwise::entry::messages
