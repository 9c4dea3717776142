// The birth flags' adapter: one option table for argv and batch lines, the
// exact offset's spelling, and the refusals of a case's words.
#include "entry/birth_flags.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace starwise::entry {
namespace {

TEST(CaseFlagsOf, RefusesWhatTheSingleCommandRefuses) {
    const struct {
        std::vector<std::string> words;
        std::string refusal;  // empty: accepted
    } cases[] = {
        {{"--date", "1980-07-15", "--time=06:30", "--dst"}, ""},
        {{"--date", "1980-07-15", "--date", "1980-07-16"}, "--date is given more than once"},
        {{"--date=1980-07-15", "--date", "1980-07-16"}, "--date is given more than once"},
        {{"--dst", "--dst"}, "--dst is given more than once"},
        {{"--dst", "--no-dst"}, "--dst excludes --no-dst"},
        {{"--dst=yes"}, "The following argument was not expected: --dst=yes"},
        {{"--utc-offset"}, "--utc-offset needs a value"},
        {{"x", "--date", "1980-07-15", "--colour"}, "The following arguments were not expected: x --colour"},
    };
    for (const auto& c : cases) {
        const auto result = CaseFlagsOf(c.words);
        EXPECT_EQ(result.detail, c.refusal) << testing::PrintToString(c.words);
    }
}

TEST(CheckBirthFlags, TheNameIsCappedAt60Characters) {
    for (const auto& [length, refused] : {std::pair{60, false}, std::pair{61, true}}) {
        BirthFlags flags;
        flags.date = "1980-07-15";
        flags.time = "06:30";
        flags.zone = "29";
        flags.longitude = "0:00E";
        flags.latitude = "0:00N";
        flags.name = std::string(static_cast<std::size_t>(length), 'A');
        const auto result = CheckBirthFlags(flags);
        EXPECT_EQ(!result.Ok(), refused) << length;
    }
}

// Both programs print the table's help: every flag, no line past 79 columns.
TEST(BirthFlagsHelp, EveryFlagOfTheTable) {
    const std::string help = BirthFlagsHelp();
    for (const BirthOption& option : kBirthOptions) {
        EXPECT_NE(help.find("  " + std::string{option.flag} + (option.valueName.empty() ? "" : " ")), std::string::npos)
            << option.flag;
    }
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79U) << line;
}

}  // namespace
}  // namespace starwise::entry
