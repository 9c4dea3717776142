#include "atlas/text_folding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace starwise::atlas {
namespace {

// Sixteen consecutive code points of a Latin block (one line of the Unicode
// code charts) and the lower-case ASCII letter each folds to: the base
// letter of its canonical decomposition, or the letter it is written as
// without its stroke or hook. '*' means "spelt out in kSpeltOutLetters",
// '.' means "not a letter to fold: kept as it is".
struct LatinChartLine {
    char32_t firstCodePoint;
    std::string_view baseLetters;  // 16 characters
};

inline constexpr std::array<LatinChartLine, 41> kLatinChartLines{{
    // Latin-1 Supplement (U+00D7 and U+00F7 are the signs x and ÷)
    {0x00C0, "aaaaaa*ceeeeiiii"},  // À .. Ï
    {0x00D0, "dnooooo.ouuuuy**"},  // Ð .. ß
    {0x00E0, "aaaaaa*ceeeeiiii"},  // à .. ï
    {0x00F0, "dnooooo.ouuuuy*y"},  // ð .. ÿ
    // Latin Extended-A
    {0x0100, "aaaaaaccccccccdd"},  // Ā .. ď
    {0x0110, "ddeeeeeeeeeegggg"},  // Đ .. ğ
    {0x0120, "gggghhhhiiiiiiii"},  // Ġ .. į
    {0x0130, "ii**jjkkklllllll"},  // İ .. Ŀ
    {0x0140, "lllnnnnnnn..oooo"},  // ŀ .. ŏ
    {0x0150, "oo**rrrrrrssssss"},  // Ő .. ş
    {0x0160, "ssttttttuuuuuuuu"},  // Š .. ů
    {0x0170, "uuuuwwyyyzzzzzzs"},  // Ű .. ſ
    // Latin Extended-B
    {0x0180, "bbbb...ccdddd.ee"},  // ƀ .. Ə
    {0x0190, "effg.*.ikkl..nno"},  // Ɛ .. Ɵ
    {0x01A0, "oo**pp.....ttttu"},  // Ơ .. Ư
    {0x01B0, "u.vyyzz........."},  // ư .. ƿ
    {0x01C0, "....*********aai"},  // ǀ .. Ǐ
    {0x01D0, "ioouuuuuuuuuueaa"},  // ǐ .. ǟ
    {0x01E0, "aa**ggggkkoooo.."},  // Ǡ .. ǯ
    {0x01F0, "j***gg*.nnaa**oo"},  // ǰ .. ǿ
    {0x0200, "aaaaeeeeiiiioooo"},  // Ȁ .. ȏ
    {0x0210, "rrrruuuusstt..hh"},  // Ȑ .. ȟ
    {0x0220, ".d..zzaaeeoooooo"},  // Ƞ .. ȯ
    {0x0230, "ooyylntj**acclts"},  // Ȱ .. ȿ
    {0x0240, "z..bu.eejj..rryy"},  // ɀ .. ɏ
    // Latin Extended Additional (Vietnamese, transliterations)
    {0x1E00, "aabbbbbbccdddddd"},  // Ḁ .. ḏ
    {0x1E10, "ddddeeeeeeeeeeff"},  // Ḑ .. ḟ
    {0x1E20, "gghhhhhhhhhhiiii"},  // Ḡ .. ḯ
    {0x1E30, "kkkkkkllllllllmm"},  // Ḱ .. ḿ
    {0x1E40, "mmmmnnnnnnnnoooo"},  // Ṁ .. ṏ
    {0x1E50, "oooopppprrrrrrrr"},  // Ṑ .. ṟ
    {0x1E60, "sssssssssstttttt"},  // Ṡ .. ṯ
    {0x1E70, "ttuuuuuuuuuuvvvv"},  // Ṱ .. ṿ
    {0x1E80, "wwwwwwwwwwxxxxyy"},  // Ẁ .. ẏ
    {0x1E90, "zzzzzzhtwy..ss*d"},  // Ẑ .. ẟ
    {0x1EA0, "aaaaaaaaaaaaaaaa"},  // Ạ .. ắ
    {0x1EB0, "aaaaaaaaeeeeeeee"},  // Ằ .. ế
    {0x1EC0, "eeeeeeeeiiiioooo"},  // Ề .. ỏ
    {0x1ED0, "oooooooooooooooo"},  // Ố .. ở
    {0x1EE0, "oooouuuuuuuuuuuu"},  // Ỡ .. ữ
    {0x1EF0, "uuyyyyyyyy......"},  // Ự .. ỿ
}};

// Letters written with more than one ASCII letter, and letters outside the
// chart lines above that place names use.
struct SpeltOutLetter {
    char32_t codePoint;
    std::string_view asciiLetters;
};

inline constexpr std::array<SpeltOutLetter, 35> kSpeltOutLetters{{
    {0x00C6, "ae"}, {0x00DE, "th"}, {0x00DF, "ss"}, {0x00E6, "ae"}, {0x00FE, "th"},  // Æ Þ ß æ þ
    {0x0132, "ij"}, {0x0133, "ij"}, {0x0152, "oe"}, {0x0153, "oe"},                  // Ĳ ĳ Œ œ
    {0x0195, "hv"}, {0x01A2, "oi"}, {0x01A3, "oi"},                                  // ƕ Ƣ ƣ
    {0x01C4, "dz"}, {0x01C5, "dz"}, {0x01C6, "dz"},                                  // Ǆ ǅ ǆ
    {0x01C7, "lj"}, {0x01C8, "lj"}, {0x01C9, "lj"},                                  // Ǉ ǈ ǉ
    {0x01CA, "nj"}, {0x01CB, "nj"}, {0x01CC, "nj"},                                  // Ǌ ǋ ǌ
    {0x01E2, "ae"}, {0x01E3, "ae"}, {0x01F1, "dz"}, {0x01F2, "dz"}, {0x01F3, "dz"},  // Ǣ ǣ Ǳ ǲ ǳ
    {0x01F6, "hv"}, {0x01FC, "ae"}, {0x01FD, "ae"}, {0x0238, "db"}, {0x0239, "qp"},  // Ƕ Ǽ ǽ ȸ ȹ
    {0x1E9E, "ss"},                                                                  // ẞ
    {0x0250, "a"},  {0x0259, "e"},  {0x0268, "i"},                                   // ɐ ə ɨ
}};

consteval bool ChartLinesAreWellFormed() {
    for (std::size_t i = 0; i < kLatinChartLines.size(); ++i) {
        const LatinChartLine& line = kLatinChartLines[i];
        if (line.baseLetters.size() != 16 || line.firstCodePoint % 16 != 0) return false;
        if (i > 0 && line.firstCodePoint <= kLatinChartLines[i - 1].firstCodePoint) return false;
        for (std::size_t k = 0; k < 16; ++k) {
            if (line.baseLetters[k] != '*') continue;
            const char32_t codePoint = line.firstCodePoint + static_cast<char32_t>(k);
            if (std::none_of(kSpeltOutLetters.begin(), kSpeltOutLetters.end(),
                             [&](const SpeltOutLetter& letter) { return letter.codePoint == codePoint; })) {
                return false;
            }
        }
    }
    return true;
}
static_assert(ChartLinesAreWellFormed(), "each chart line has 16 letters and each '*' is spelt out");

// One character of a UTF-8 text: its code point and length in bytes, or
// valid = false (length 1) for a byte that does not start a well-formed
// sequence (stray continuation, overlong form, surrogate, beyond U+10FFFF).
struct DecodedCharacter {
    char32_t codePoint;
    std::size_t lengthBytes;
    bool valid;
};

DecodedCharacter DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) return {lead, 1, true};
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1Fu, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0Fu, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
    } else {
        return {lead, 1, false};
    }
    if (at + length > text.size()) return {lead, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(at + i);
        if ((next & 0xC0u) != 0x80u) return {lead, 1, false};
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {lead, 1, false};
    }
    return {codePoint, length, true};
}

enum class FoldAction { Keep, Drop, Space, Replace };

struct Folded {
    FoldAction action;
    std::string_view replacement;  // for Replace
};

const std::string_view kAsciiLowerLetters = "abcdefghijklmnopqrstuvwxyz";

Folded FoldCodePoint(char32_t codePoint) {
    if (codePoint < 0x80) {
        const char c = static_cast<char>(codePoint);
        if (c >= 'A' && c <= 'Z') {
            return {FoldAction::Replace, kAsciiLowerLetters.substr(static_cast<std::size_t>(c - 'A'), 1)};
        }
        if (c == '\'' || c == '.') return {FoldAction::Drop, {}};
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '-' || c == '_') return {FoldAction::Space, {}};
        return {FoldAction::Keep, {}};
    }
    if (codePoint >= 0x0300 && codePoint <= 0x036F) return {FoldAction::Drop, {}};  // combining accents
    if (codePoint == 0x02BB || codePoint == 0x02BC || codePoint == 0x2018 || codePoint == 0x2019) {
        return {FoldAction::Drop, {}};  // ʻ ʼ ‘ ’
    }
    if (codePoint == 0x00A0 || (codePoint >= 0x2010 && codePoint <= 0x2015)) return {FoldAction::Space, {}};
    for (const SpeltOutLetter& letter : kSpeltOutLetters) {
        if (letter.codePoint == codePoint) return {FoldAction::Replace, letter.asciiLetters};
    }
    const char32_t lineStart = codePoint & ~char32_t{0xF};
    const auto line = std::find_if(kLatinChartLines.begin(), kLatinChartLines.end(),
                                   [&](const LatinChartLine& l) { return l.firstCodePoint == lineStart; });
    if (line == kLatinChartLines.end()) return {FoldAction::Keep, {}};
    const char base = line->baseLetters[codePoint - lineStart];
    if (base < 'a' || base > 'z') return {FoldAction::Keep, {}};
    return {FoldAction::Replace, kAsciiLowerLetters.substr(static_cast<std::size_t>(base - 'a'), 1)};
}

}  // namespace

std::string FoldForSearch(std::string_view utf8Text) {
    std::string key;
    key.reserve(utf8Text.size());
    bool spacePending = false;
    const auto append = [&](std::string_view piece) {
        if (spacePending && !key.empty()) key += ' ';
        spacePending = false;
        key += piece;
    };
    for (std::size_t at = 0; at < utf8Text.size();) {
        const DecodedCharacter character = DecodeAt(utf8Text, at);
        const std::string_view original = utf8Text.substr(at, character.lengthBytes);
        at += character.lengthBytes;
        if (!character.valid) {
            append(original);
            continue;
        }
        const Folded folded = FoldCodePoint(character.codePoint);
        switch (folded.action) {
            case FoldAction::Keep: append(original); break;
            case FoldAction::Drop: break;
            case FoldAction::Space: spacePending = true; break;
            case FoldAction::Replace: append(folded.replacement); break;
        }
    }
    return key;
}

}  // namespace starwise::atlas
