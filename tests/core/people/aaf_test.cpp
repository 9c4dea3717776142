// AAF: the published examples, our own records read back unchanged, each
// kind of unreadable line named, and import that stores all or nothing.
#include "people/aaf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "people/aaf_transfer.h"

namespace starwise::people {
namespace {

namespace fs = std::filesystem;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr double kCoordinateToleranceDeg = 1e-9;
constexpr double kJulianDayToleranceDays = 0.6e-6;  // the examples print six decimals

std::string Joined(const std::vector<AafLineProblem>& problems) {
    std::string text;
    for (const auto& problem : problems) text += ProblemLine(problem) + "\n";
    return text;
}

// The example records of "AAF Format Definition", section 2, "The basic structure of AAF data"
// (astrowissen.de, English summary), and of "AAF-Definition, Stand 1.11.2005", page "Die
// Grundstruktur von AAF-Daten" (astrowissen.de/aaf/aaf97/AAFX0023.HTM).
constexpr std::string_view kDefinitionExample =
    "#:========= AAF example file: ============\n"
    "#:1. record....\n"
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
    "#B93:*,49n05,8e11,1he,0\n"
    "#ZNAM:CET\n"
    "#COM:Programmierer der n\xfctzlichen AAF-DLL\n"  // Latin-1, as such files were written
    "#:2. record....\n"
    "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\n"
    "#B93: *,51n21,9e35,1,0\n"
    "#ZNAM:MEZ\n"
    "#COM:AAF-Format-Initiator\n";

TEST(AafRead, TheDefinitionsExampleFile) {
    const AafReading reading = ReadAaf(kDefinitionExample);
    ASSERT_EQ(reading.records.size(), 1u) << Joined(reading.problems);
    const PersonEntry& ferber = reading.records[0].entry;
    EXPECT_EQ(ferber.name, "Tobias Ferber");
    EXPECT_EQ(ferber.birth.localDate, year{1970} / month{9} / day{27});
    EXPECT_EQ(ferber.birth.localMinutes, 11 * 60 + 4);
    EXPECT_NEAR(ferber.birth.latitudeDeg, 49 + 5 / 60.0, kCoordinateToleranceDeg);
    EXPECT_NEAR(ferber.birth.longitudeDeg, 8 + 11 / 60.0, kCoordinateToleranceDeg);
    EXPECT_EQ(ferber.birth.placeLabel, "Kandel, Pfalz, D");
    EXPECT_EQ(ferber.note, "Programmierer der n\u00fctzlichen AAF-DLL");
    // "CET" with one hour east is the zone list's Central European Time, no daylight saving.
    ASSERT_TRUE(std::holds_alternative<entry::ZoneRowChoice>(ferber.birth.zone));
    EXPECT_EQ(UtcOffsetSecondsOf(ferber.birth.zone), 3600);
    EXPECT_FALSE(std::get<entry::ZoneRowChoice>(ferber.birth.zone).daylightSaving);

    // The second example leaves out the kind field: six fields, not seven.
    ASSERT_EQ(reading.problems.size(), 1u) << Joined(reading.problems);
    EXPECT_EQ(reading.problems[0].lineNumber, 8);
    EXPECT_NE(reading.problems[0].reason.find("7 fields"), std::string::npos) << reading.problems[0].reason;
}

// Paul Cezanne's record from the Astrowiki page "AAF" (astro.com), given in
// local mean time, 0h 21m 48s east: its Julian day checks ours.
TEST(AafRead, LocalMeanTimeAndTheJulianDay) {
    entry::BirthInput cezanne;
    cezanne.localDate = year{1839} / month{1} / day{19};
    cezanne.localMinutes = 60;
    cezanne.zone = entry::ExactOffset{21 * 60 + 48, entry::OffsetSource::LocalMeanTime};
    EXPECT_NEAR(JulianDayOfBirth(cezanne), 2392758.526528, kJulianDayToleranceDays);

    const AafReading reading = ReadAaf(
        "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
        "#B93:2392758.526528,43n31,5e27,0e21:48,m\n"
        "#ZNAM:LMT\n"
        "#LPOS:SO28CP19:16,MO12PI56:26,\n"
        "JU18LI22:42\n");
    ASSERT_EQ(reading.problems.size(), 1u) << Joined(reading.problems);
    EXPECT_EQ(reading.problems[0].lineNumber, 1);
    EXPECT_NE(reading.problems[0].reason.find("1901..2050"), std::string::npos) << reading.problems[0].reason;
}

TEST(AafRead, NamesEveryLineItCannotRead) {
    struct Case {
        std::string text;
        int line;
        std::string reasonHas;
    };
    const std::string b93 = "#B93:*,18n31,73e51,5he30,0\n";
    const Case cases[] = {
        {"#A93:Kulkarni,Asha,f,31.2.1990,6:30,Pune,IN\n" + b93, 1, "is not a day.month.year date"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,*,Pune,IN\n" + b93, 1, "time is unknown"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30:15,Pune,IN\n" + b93, 1, "is not hours:minutes"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#COM:no coordinates\n", 1, "no #B93 line"},
        {"#A93:*,*,f,15.7.1980,6:30,Pune,IN\n" + b93, 1, "name is missing"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,91n00,73e51,5he30,0\n", 2, "latitude"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,18n31,73x51,5he30,0\n", 2, "longitude"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,18n31,73e51,IST,0\n", 2, "zone \"IST\""},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,18n31,73e51,5he30,*\n", 2, "daylight-saving field is unknown"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:2444435.5,18n31,73e51,5he30,0\n", 2, "does not agree"},
        {"#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,18n31,73e51,5he30\n", 2, "5 fields"},
        {"Kulkarni,Asha\n#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n" + b93, 1, "before the first chunk"},
        {b93 + "#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n" + b93, 1, "before the first #A93"},
        {"#A93 Kulkarni\n", 1, "no colon"},
        {"#A93:Kulkarni,Asha\x1b[31m,f,15.7.1980,6:30,Pune,IN\n" + b93, 1, "control character"},
    };
    for (const Case& c : cases) {
        const AafReading reading = ReadAaf(c.text);
        ASSERT_FALSE(reading.problems.empty()) << c.text;
        EXPECT_EQ(reading.problems[0].lineNumber, c.line) << c.text << Joined(reading.problems);
        EXPECT_NE(reading.problems[0].reason.find(c.reasonHas), std::string::npos) << c.text << Joined(reading.problems);
    }
}

std::vector<PersonEntry> VariedPeople() {
    std::vector<PersonEntry> people(5);
    people[0].name = "ASHA KULKARNI";  // a zone row with the daylight tick
    people[0].birth = {"", year{1980} / month{7} / day{15}, 6 * 60 + 30, 18 + 31 / 60.0, 73 + 51 / 60.0,
                       entry::ZoneRowChoice{27, true}, "Pune, Maharashtra, India"};
    people[1].name = "Ringo";  // one word; an atlas place's degrees; Nepal's offset; a note of several lines
    people[1].birth = {"", year{1990} / month{12} / day{31}, 23 * 60 + 59, 27.70169, 85.3206,
                       entry::ExactOffset{5 * 3600 + 45 * 60, entry::OffsetSource::TimeZoneDatabase}, "Kathmandu, Nepal"};
    people[1].note = "first line\n#not a chunk\n\nafter a blank line";
    people[2].name = "Mary Ann Smith";  // west and south, local mean time with seconds
    people[2].birth = {"", year{1901} / month{1} / day{1}, 0, -(33 + 52 / 60.0), -(151 + 12 / 60.0),
                       entry::ExactOffset{-(10 * 3600 + 4 * 60 + 48), entry::OffsetSource::LocalMeanTime}, ""};
    people[3].name = "Lee";  // a row sharing its offset with another (SDT after SAD)
    people[3].birth = {"", year{2050} / month{12} / day{31}, 12 * 60, 0.0, 0.0, entry::ZoneRowChoice{57, false}, "Adelaide"};
    people[4].name = "Asha Kulkarni";  // a name that appears twice
    people[4].birth = people[0].birth;
    return people;
}

TEST(AafWrite, OurRecordsReadBackTheSame) {
    const std::vector<PersonEntry> people = VariedPeople();
    const AafWriting writing = WriteAaf(people);
    EXPECT_TRUE(writing.changes.empty());
    const AafReading reading = ReadAaf(writing.text);
    ASSERT_TRUE(reading.problems.empty()) << Joined(reading.problems) << writing.text;
    ASSERT_EQ(reading.records.size(), people.size()) << writing.text;
    for (std::size_t i = 0; i < people.size(); ++i) {
        const PersonEntry& expected = people[i];
        const PersonEntry& actual = reading.records[i].entry;
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(actual.name, expected.name);
        EXPECT_EQ(actual.note, expected.note);
        EXPECT_EQ(actual.birth.localDate, expected.birth.localDate);
        EXPECT_EQ(actual.birth.localMinutes, expected.birth.localMinutes);
        EXPECT_EQ(actual.birth.latitudeDeg, expected.birth.latitudeDeg) << "the same double, through #STARWISE";
        EXPECT_EQ(actual.birth.longitudeDeg, expected.birth.longitudeDeg);
        EXPECT_TRUE(actual.birth.zone == expected.birth.zone) << writing.text;
        EXPECT_EQ(actual.birth.placeLabel, expected.birth.placeLabel);
    }
}

TEST(AafWrite, CommasAreReplacedAndSaidSo) {
    PersonEntry person = VariedPeople()[0];
    person.name = "Kulkarni, Asha";
    const AafWriting writing = WriteAaf({person});
    ASSERT_EQ(writing.changes.size(), 1u);
    EXPECT_NE(writing.text.find("#A93:Asha,Kulkarni;,*,15.7.1980,6:30,Pune/Maharashtra,India\n"), std::string::npos)
        << writing.text;
}

class AafFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "starwise-aaf-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string File(const std::string& name) const { return (fs::path(folder_) / name).string(); }
    std::unique_ptr<PeopleStore> NewStore(const std::string& name) {
        auto opened = PeopleStore::Open(File(name));
        EXPECT_TRUE(opened.store) << opened.notice.message;
        return std::move(opened.store);
    }
    std::string folder_;
};

TEST_F(AafFiles, AFileWithABadLineImportsNoOne) {
    std::ofstream(File("mixed.aaf")) << "#A93:Kulkarni,Asha,f,15.7.1980,6:30,Pune,IN\n#B93:*,18n31,73e51,5he30,0\n"
                                        "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,*\n";
    auto store = NewStore("people.sqlite");
    const AafImport imported = ImportAafFile(*store, File("mixed.aaf"));
    EXPECT_FALSE(imported.result.ok());
    EXPECT_EQ(imported.peopleRead, 1u);
    ASSERT_EQ(imported.problems.size(), 1u);
    EXPECT_EQ(imported.problems[0].lineNumber, 4);
    EXPECT_NE(imported.result.message.find("nothing was imported"), std::string::npos) << imported.result.message;
    EXPECT_TRUE(store->List().value.empty());
}

}  // namespace
}  // namespace starwise::people
