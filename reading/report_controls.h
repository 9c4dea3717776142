// Names of the report window's controls that a reading writes to.
#pragma once

#include <string_view>

namespace starwise::reading::controls {

inline constexpr std::string_view lblSunSign = "lblSunSign";
inline constexpr std::string_view lblSunSignElement = "lblSunSignElement";
inline constexpr std::string_view lblSunSignNumber = "lblSunSignNumber";
inline constexpr std::string_view lblSunSignDay = "lblSunSignDay";
inline constexpr std::string_view lblSunSignCompatibility = "lblSunSignCompatibility";
inline constexpr std::string_view lblSunSignBirthStone = "lblSunSignBirthStone";
inline constexpr std::string_view txtSunSignPositiveTraits = "txtSunSignPositiveTraits";
inline constexpr std::string_view txtSunSignNegativeTraits = "txtSunSignNegativeTraits";
inline constexpr std::string_view picSunSign = "picSunSign";
inline constexpr std::string_view lblNorthSign = "lblNorthSign";
inline constexpr std::string_view lblNorthKeyWord = "lblNorthKeyWord";
inline constexpr std::string_view txtNorthDesc = "txtNorthDesc";
inline constexpr std::string_view lblSouthSign = "lblSouthSign";
inline constexpr std::string_view lblSouthKeyWord = "lblSouthKeyWord";
inline constexpr std::string_view txtSouthDesc = "txtSouthDesc";
inline constexpr std::string_view RTBHouseDesc = "RTBHouseDesc";

}  // namespace starwise::reading::controls
