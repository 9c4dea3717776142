// Input shown back on a terminal: control characters escaped, the rest kept.
#include "entry/echoed_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace starwise::entry {
namespace {

TEST(EchoedText, ControlCharactersAreEscaped) {
    struct Case {
        std::string_view input;
        std::string_view shown;
    };
    const Case cases[] = {
        {"\x1b[31mred", "\\x1b[31mred"},             // ANSI colour: ESC escaped
        {"a\tb\nc\rd", "a\\x09b\\x0ac\\x0dd"},       // the other C0 controls
        {std::string_view("\0\x1a\x1f\x7f", 4), "\\x00\\x1a\\x1f\\x7f"},
        {"\xc2\x9b" "2J", "\\u009b2J"},              // C1 CSI as UTF-8
        {"caf\xe9 \xc0\xaf", "caf\\xe9 \\xc0\\xaf"},  // not UTF-8: Latin-1, an overlong '/'
        {"S\xc3\xa3o Paulo \xe2\x80\x94 \xf0\x9f\x8c\x9e", "S\xc3\xa3o Paulo \xe2\x80\x94 \xf0\x9f\x8c\x9e"},
        {"C:\\path", "C:\\path"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeControls(c.input), c.shown) << "input bytes of length " << c.input.size();
        EXPECT_TRUE(IsValidUtf8(EscapeControls(c.input)));
    }
}

}  // namespace
}  // namespace starwise::entry
