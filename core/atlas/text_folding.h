// Folding of place names and typed queries into plain search keys, so that
// "sao paulo" finds São Paulo and "tromso" finds Tromsø.
#pragma once

#include <string>
#include <string_view>

namespace starwise::atlas {

// The search key of a UTF-8 text:
// - ASCII letters lower-cased; Latin letters with accents, and letters such
//   as ø, ł, đ, ı, lower-cased to their base letter; ß, æ, œ, þ and the other
//   ligatures spelt out ("ss", "ae", "oe", "th");
// - combining accents, apostrophes (' ʼ ʻ ‘ ’) and full stops dropped, so
//   "St. John's" and "st johns" agree;
// - hyphens, dashes, underscores and runs of white space made one space;
//   leading and trailing spaces removed;
// - every other character (digits, other scripts) kept as it is; bytes that
//   are not valid UTF-8 are kept too, so folding never fails.
// Two spellings a reader would call the same word give the same key.
std::string FoldForSearch(std::string_view utf8Text);

}  // namespace starwise::atlas
