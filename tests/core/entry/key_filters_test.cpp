#include "entry/key_filters.h"

#include <gtest/gtest.h>

#include "entry/messages.h"

namespace starwise::entry {
namespace {

struct KeyCase {
    char32_t typed;
    KeyFilterResult expected;
};

TEST(FilterCoordinateKey, DigitsAndBackspaceOnly) {
    const KeyCase cases[] = {
        {U'0', {U'0', std::nullopt}}, {U'9', {U'9', std::nullopt}}, {kBackspace, {kBackspace, std::nullopt}},
        {U'a', {0, messages::kOnlyNumbers}}, {kEnter, {0, messages::kOnlyNumbers}}, {U'-', {0, messages::kOnlyNumbers}},
        {U' ', {0, messages::kOnlyNumbers}}, {U'\u0663', {0, messages::kOnlyNumbers}},  // Arabic-Indic three
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.typed));
        EXPECT_EQ(FilterCoordinateKey(c.typed), c.expected);
    }
}

TEST(FilterNameKey, LettersOfAnyScriptAsCapitals) {
    // Capitals from the Unicode Character Database, UnicodeData.txt.
    const KeyCase cases[] = {
        {U'a', {U'A', std::nullopt}}, {U'Q', {U'Q', std::nullopt}}, {U'\u00e3', {U'\u00c3', std::nullopt}},  // ã Ã
        {U'\u00ff', {U'\u0178', std::nullopt}}, {U'\u0142', {U'\u0141', std::nullopt}},                   // ÿ Ÿ, ł Ł
        {U'\u00df', {U'\u00df', std::nullopt}}, {U'\u03c2', {U'\u03a3', std::nullopt}},                   // ß, ς Σ
        {U'\u0436', {U'\u0416', std::nullopt}}, {U'\u0570', {U'\u0540', std::nullopt}},                   // ж Ж, հ Հ
        {U'\u4e2d', {U'\u4e2d', std::nullopt}}, {U'\u0915', {U'\u0915', std::nullopt}},                   // 中, क
        {U'\u093f', {U'\u093f', std::nullopt}}, {U'\u0303', {U'\u0303', std::nullopt}},                   // marks
        {U'\U0001E922', {U'\U0001E900', std::nullopt}},                                                // Adlam
        {U' ', {U' ', std::nullopt}}, {U'-', {U'-', std::nullopt}}, {U'\'', {U'\'', std::nullopt}},
        {U'\u2019', {U'\u2019', std::nullopt}}, {kEnter, {kEnter, std::nullopt}},
        {kBackspace, {kBackspace, std::nullopt}},
        {U'1', {0, messages::kOnlyLetters}}, {U'\u0663', {0, messages::kOnlyLetters}}, {U'_', {0, messages::kOnlyLetters}},
        {U'.', {0, messages::kOnlyLetters}}, {U'\t', {0, messages::kOnlyLetters}}, {U'\u00b7', {0, messages::kOnlyLetters}},
        {U'\U0001F600', {0, messages::kOnlyLetters}}, {0x110000, {0, messages::kOnlyLetters}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.typed));
        EXPECT_EQ(FilterNameKey(c.typed), c.expected);
    }
}

struct PasteCase {
    const char* pasted;
    PasteResult expected;
};

TEST(FilterPaste, RefusesWholePastesWithForeignCharacters) {
    const PasteCase coordinate[] = {
        {"123", std::string{"123"}}, {"", std::string{}}, {"12a", messages::kOnlyNumbers},
        {"4 5", messages::kOnlyNumbers}, {"-5", messages::kOnlyNumbers},
    };
    for (const auto& c : coordinate) {
        SCOPED_TRACE(c.pasted);
        EXPECT_EQ(FilterCoordinatePaste(c.pasted), c.expected);
    }
    const PasteCase name[] = {
        {"ada king", std::string{"ADA KING"}}, {"Ada", std::string{"ADA"}}, {"ada1", messages::kOnlyLetters},
        {"o'hara", std::string{"O'HARA"}}, {"mary-jane", std::string{"MARY-JANE"}},
        {"jo\xC3\xA3o", std::string{"JO\xC3\x83O"}},                  // João, precomposed
        {"joa\xCC\x83o", std::string{"JOA\xCC\x83O"}},                // João, a + combining tilde
        {"\xE5\xBC\xA0\xE4\xBC\x9F", std::string{"\xE5\xBC\xA0\xE4\xBC\x9F"}},  // 张伟, no case
        {"a\tb", messages::kOnlyLetters}, {"ab\n", messages::kOnlyLetters},
        {"jo\xC3", messages::kOnlyLetters},          // cut short
        {"\xC0\xAF", messages::kOnlyLetters},        // overlong "/"
        {"\xED\xA0\x80", messages::kOnlyLetters},    // a surrogate
        {"\xF4\x90\x80\x80", messages::kOnlyLetters},  // past U+10FFFF
    };
    for (const auto& c : name) {
        SCOPED_TRACE(c.pasted);
        EXPECT_EQ(FilterNamePaste(c.pasted), c.expected);
    }
}

}  // namespace
}  // namespace starwise::entry
