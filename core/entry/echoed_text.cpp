#include "entry/echoed_text.h"

namespace starwise::entry {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (byte >= 0xC2 && byte <= 0xDF) {
        length = 2;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        length = 3;
        if (byte == 0xE0) low = 0xA0;   // no overlong forms
        if (byte == 0xED) high = 0x9F;  // no surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        length = 4;
        if (byte == 0xF0) low = 0x90;   // no overlong forms
        if (byte == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string EscapeControls(std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    const auto hex = [&](std::string_view prefix, unsigned char value) {
        out += prefix;
        out += kHex[value >> 4];
        out += kHex[value & 0x0F];
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            hex("\\x", byte);
            ++i;
        } else if (byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            hex("\\u00", static_cast<unsigned char>(text[i + 1]));  // C1 control, U+0080..U+009F
            i += 2;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

}  // namespace starwise::entry
