#include "entry/capture.h"

#include <gtest/gtest.h>

namespace starwise::entry {
namespace {

struct ConversionCase {
    const char* text;
    int expected;
};

TEST(TextToInt16, RoundsHalvesToEven) {
    const ConversionCase cases[] = {{"0", 0}, {"179", 179}, {" 42 ", 42}, {"2.5", 2}, {"3.5", 4},
                                    {"-2.5", -2}, {"32767", 32767}, {"-32768", -32768}, {"07", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToInt16(c.text), c.expected);
    }
}

TEST(TextToInt16, RefusesWhatIsNotASixteenBitNumber) {
    for (const char* bad : {"", "   ", "abc", "12a", "32768", "-32769", "1e9", "nan"}) {
        SCOPED_TRACE(bad);
        EXPECT_ANY_THROW(TextToInt16(bad));
    }
}

TEST(CaptureBirthData, CopiesEveryFieldAndZoneMagnitudes) {
    EntryFormValues form;
    form.nameText = "ADA";
    form.monthPosition = 6;
    form.dayText = "15";
    form.yearText = "1980";
    form.hourText = "6";
    form.minuteText = "30";
    form.longitudeDegreesText = "77";
    form.longitudeMinutesText = "13";
    form.latitudeDegreesText = "28";
    form.latitudeMinutesText = "37";
    form.eastSelected = false;
    form.southSelected = true;
    form.daylightSaving = true;
    for (const engine::ZoneOffset zone : {engine::ZoneOffset{-5, -30}, engine::ZoneOffset{5, 30}}) {
        SCOPED_TRACE(zone.zoneOffsetHours);
        engine::BirthData birth;
        CaptureBirthData(form, zone, birth);
        EXPECT_EQ(birth.name, "ADA");
        EXPECT_EQ(birth.month, 7);
        EXPECT_EQ(birth.day, 15);
        EXPECT_EQ(birth.year, 1980);
        EXPECT_EQ(birth.hour, 6);
        EXPECT_EQ(birth.minute, 30);
        EXPECT_EQ(birth.zoneHours, 5);
        EXPECT_EQ(birth.zoneMinutes, 30);
        EXPECT_EQ(birth.longitudeDegrees, 77);
        EXPECT_EQ(birth.latitudeMinutes, 37);
        EXPECT_FALSE(birth.isEast);
        EXPECT_TRUE(birth.isSouth);
        EXPECT_TRUE(birth.daylightSaving);
    }
}

TEST(CaptureBirthData, AFieldThatCannotBeConvertedKeepsItsPreviousValue) {
    engine::BirthData birth;
    birth.day = 9;
    birth.longitudeDegrees = 12;
    EntryFormValues form;
    form.dayText = "x";
    form.longitudeDegreesText = "";
    form.latitudeDegreesText = "45";
    form.yearText = "1999";
    CaptureBirthData(form, {}, birth);
    EXPECT_EQ(birth.day, 9);
    EXPECT_EQ(birth.longitudeDegrees, 12);
    EXPECT_EQ(birth.latitudeDegrees, 45);  // later fields are still captured
    EXPECT_EQ(birth.year, 1999);
}

}  // namespace
}  // namespace starwise::entry
