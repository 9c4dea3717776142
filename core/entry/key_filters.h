// Filters on what may be typed or pasted into the name and coordinate boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "entry/entry_form.h"

namespace starwise::entry {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEnter = 13;

// Outcome of one key press: the character to insert (0 discards the key)
// and the message to show, if any.
struct KeyFilterResult {
    char32_t character;
    std::optional<FormMessage> message;
    friend bool operator==(const KeyFilterResult&, const KeyFilterResult&) = default;
};

// Coordinate boxes: digits and Backspace pass; anything else is discarded
// with "Only Numbers Are Accepted".
KeyFilterResult FilterCoordinateKey(char32_t character);

// Name box: letters pass as capitals; Backspace, Enter and space pass;
// anything else is discarded with "Please Enter only Letters".
KeyFilterResult FilterNameKey(char32_t character);

// Outcome of a paste or drop: the text to insert, or the message that
// refuses it whole.
using PasteResult = std::variant<std::string, FormMessage>;

// Coordinate boxes: only digits may be pasted.
PasteResult FilterCoordinatePaste(std::string_view text);

// Name box: letters (capitalised) and spaces only.
PasteResult FilterNamePaste(std::string_view text);

}  // namespace starwise::entry
