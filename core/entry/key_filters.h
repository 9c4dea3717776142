// Filters on what may be typed or pasted into the name and coordinate boxes.
// Characters are Unicode code points; texts are UTF-8.
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

// Name box: letters of any script pass, lower-case ones as their capitals
// (Unicode's one-to-one upper-case mapping: "ã" -> "Ã", "ß" stays);
// combining marks pass unchanged (accents typed apart, Indic vowel signs);
// so do space, hyphen "-", the apostrophes "'" and U+2019, Backspace and
// Enter. Anything else is discarded with "Please Enter only Letters".
KeyFilterResult FilterNameKey(char32_t character);

// Whether a character is a letter or combining mark of any script
// (Unicode general categories L and M).
bool IsNameLetter(char32_t character);

// The capital of a character by Unicode's one-to-one upper-case mapping;
// the character itself when it has none.
char32_t CapitalOf(char32_t character);

// Outcome of a paste or drop: the text to insert, or the message that
// refuses it whole.
using PasteResult = std::variant<std::string, FormMessage>;

// Coordinate boxes: only digits may be pasted.
PasteResult FilterCoordinatePaste(std::string_view text);

// Name box: every character must pass FilterNameKey (Backspace and Enter
// excepted), and the text must be valid UTF-8; it is then inserted with
// its letters capitalised. Otherwise refused whole.
PasteResult FilterNamePaste(std::string_view text);

}  // namespace starwise::entry
