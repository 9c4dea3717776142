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

TEST(FilterNameKey, CapitalLettersAndSpaces) {
    const KeyCase cases[] = {
        {U'a', {U'A', std::nullopt}}, {U'z', {U'Z', std::nullopt}}, {U'Q', {U'Q', std::nullopt}},
        {U' ', {U' ', std::nullopt}}, {kEnter, {kEnter, std::nullopt}}, {kBackspace, {kBackspace, std::nullopt}},
        {U'1', {0, messages::kOnlyLetters}}, {U'-', {0, messages::kOnlyLetters}}, {U'\u00e9', {0, messages::kOnlyLetters}},
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
        {"o'hara", messages::kOnlyLetters}, {"jos\xC3\xA9", messages::kOnlyLetters}, {"a\tb", messages::kOnlyLetters},
    };
    for (const auto& c : name) {
        SCOPED_TRACE(c.pasted);
        EXPECT_EQ(FilterNamePaste(c.pasted), c.expected);
    }
}

}  // namespace
}  // namespace starwise::entry
