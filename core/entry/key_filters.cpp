#include "entry/key_filters.h"

#include <algorithm>
#include <cstddef>

#include "entry/messages.h"
#include "entry/name_letters_table.h"

namespace starwise::entry {
namespace {

constexpr char32_t kRightSingleQuote = U'\u2019';  // the typographic apostrophe of "O’Brien"
constexpr char32_t kLastCodePoint = 0x10FFFF;

template <std::size_t N>
constexpr bool RunsAscend(const std::array<LetterRun, N>& runs) {
    for (std::size_t k = 0; k < N; ++k) {
        if (runs[k].first > runs[k].last || (k > 0 && runs[k - 1].last >= runs[k].first)) return false;
    }
    return true;
}
template <std::size_t N>
constexpr bool RunsAscend(const std::array<CapitalRun, N>& runs) {
    for (std::size_t k = 0; k < N; ++k) {
        if (runs[k].first > runs[k].last || (runs[k].stride != 1 && runs[k].stride != 2) ||
            (k > 0 && runs[k - 1].last >= runs[k].first)) {
            return false;
        }
    }
    return true;
}
static_assert(RunsAscend(kLetterRuns), "letter runs sorted and apart, for the binary search");
static_assert(RunsAscend(kCapitalRuns), "capital runs sorted and apart, for the binary search");

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool IsNameMark(char32_t c) { return c == U' ' || c == U'-' || c == U'\'' || c == kRightSingleQuote; }

// The run holding c: the last run starting at or before c, if it reaches c.
template <typename Runs>
auto RunHolding(const Runs& runs, char32_t c) -> const typename Runs::value_type* {
    const auto after = std::upper_bound(runs.begin(), runs.end(), c,
                                        [](char32_t value, const auto& run) { return value < run.first; });
    if (after == runs.begin()) return nullptr;
    const auto* run = &*(after - 1);
    return c <= run->last ? run : nullptr;
}

// Decodes one UTF-8 sequence at text[at], advancing at; nothing for bytes
// that are not well-formed UTF-8 (overlong forms, surrogates and values
// past U+10FFFF included), RFC 3629 section 4.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07u, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (byte(at + k) & 0x3Fu);
    }
    if (value < smallest || value > kLastCodePoint || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    at += length;
    return value;
}

void AppendUtf8(std::string& out, char32_t c) {
    const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6)), put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12)), put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18)), put(0x80 | ((c >> 12) & 0x3F)), put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool IsNameLetter(char32_t character) { return RunHolding(kLetterRuns, character) != nullptr; }

char32_t CapitalOf(char32_t character) {
    const CapitalRun* run = RunHolding(kCapitalRuns, character);
    if (run == nullptr || (character - run->first) % static_cast<char32_t>(run->stride) != 0) return character;
    return static_cast<char32_t>(static_cast<long>(character) + run->deltaCodePoints);
}

KeyFilterResult FilterCoordinateKey(char32_t character) {
    if (IsDigit(character) || character == kBackspace) return {character, std::nullopt};
    return {0, messages::kOnlyNumbers};
}

KeyFilterResult FilterNameKey(char32_t character) {
    if (IsNameLetter(character)) return {CapitalOf(character), std::nullopt};
    if (IsNameMark(character) || character == kBackspace || character == kEnter) return {character, std::nullopt};
    return {0, messages::kOnlyLetters};
}

PasteResult FilterCoordinatePaste(std::string_view text) {
    for (const char c : text) {
        if (!IsDigit(static_cast<unsigned char>(c))) return messages::kOnlyNumbers;
    }
    return std::string{text};
}

PasteResult FilterNamePaste(std::string_view text) {
    std::string accepted;
    accepted.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = DecodeUtf8(text, at);
        if (!c || *c == kBackspace || *c == kEnter) return messages::kOnlyLetters;
        const KeyFilterResult passed = FilterNameKey(*c);
        if (passed.character == 0) return messages::kOnlyLetters;
        AppendUtf8(accepted, passed.character);
    }
    return accepted;
}

}  // namespace starwise::entry
