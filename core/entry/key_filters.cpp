#include "entry/key_filters.h"

#include "entry/messages.h"

namespace starwise::entry {
namespace {

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool IsLower(char32_t c) { return c >= U'a' && c <= U'z'; }

}  // namespace

KeyFilterResult FilterCoordinateKey(char32_t character) {
    if (IsDigit(character) || character == kBackspace) return {character, std::nullopt};
    return {0, messages::kOnlyNumbers};
}

KeyFilterResult FilterNameKey(char32_t character) {
    if (IsLower(character)) return {character - 32, std::nullopt};
    if (IsUpper(character)) return {character, std::nullopt};
    if (character == kBackspace || character == kEnter || character == U' ') return {character, std::nullopt};
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
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (IsLower(code)) {
            accepted += static_cast<char>(code - 32);
        } else if (IsUpper(code) || code == ' ') {
            accepted += c;
        } else {
            return messages::kOnlyLetters;
        }
    }
    return accepted;
}

}  // namespace starwise::entry
