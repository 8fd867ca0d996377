#include <gtest/gtest.h>

#include <random>

#include "form/list_items.h"
#include "reading/reading_file.h"
#include "tables/zone_table.h"
#include "tests/reading/reading_samples.h"
#include "text/utf8_text.h"

namespace sarovin {
namespace {

// A reading file holding `values` exactly as given (not trimmed).
std::string MakeFile(const std::vector<std::string>& values, std::string_view lineEnd = "\r\n") {
    std::string file;
    for (const std::string& value : values) {
        file += ScrambleText(EncodeWindows1252(value)) + std::string(lineEnd);
    }
    return file;
}

InputForm RestoreFile(std::string_view file) {
    InputForm form = OtherForm();
    RestoreReading(ReadReadingLines(file), form);
    return form;
}

struct LineCase {
    ReadingLine line;
    std::string value;
    void (*expect)(InputForm&);
};

TEST(RestoreReading, EachLineStandsAlone) {
    const auto keepMonth = [](InputForm& f) { f.monthPosition = OtherForm().monthPosition; };
    const auto keepZone = [](InputForm& f) { f.zonePosition = OtherForm().zonePosition; };
    const auto keepDay = [](InputForm& f) { f.dayPosition = OtherForm().dayPosition; };
    const auto west = [](InputForm& f) { f.longitudeHemisphere = LongitudeHemisphere::West; };
    const auto east = [](InputForm& f) { f.longitudeHemisphere = LongitudeHemisphere::East; };
    const LineCase cases[] = {
        {MONTH_LINE, "abc", keepMonth},
        {MONTH_LINE, "13", keepMonth},
        {MONTH_LINE, "0", keepMonth},
        {MONTH_LINE, "-1", keepMonth},
        {MONTH_LINE, "99999999999", keepMonth},
        {MONTH_LINE, "", keepMonth},
        {MONTH_LINE, "2.5", [](InputForm& f) { f.monthPosition = 1; }},
        {MONTH_LINE, "3.5", [](InputForm& f) { f.monthPosition = 3; }},
        {MONTH_LINE, " 12 ", [](InputForm& f) { f.monthPosition = 11; }},
        {MONTH_LINE, "1", [](InputForm& f) { f.monthPosition = 0; }},
        {ZONE_LINE, "71", keepZone},
        {ZONE_LINE, "-1", keepZone},
        {ZONE_LINE, "99999999999", keepZone},
        {ZONE_LINE, "zone", keepZone},
        {ZONE_LINE, "70", [](InputForm& f) { f.zonePosition = 70; }},
        {ZONE_LINE, "0", [](InputForm& f) { f.zonePosition = 0; }},
        {ZONE_LINE, "57", [](InputForm& f) { f.zonePosition = 57; }},
        {DAY_LINE, "05", keepDay},
        {DAY_LINE, " 5", keepDay},
        {DAY_LINE, "32", keepDay},
        {DAY_LINE, "5", [](InputForm& f) { f.dayPosition = 4; }},
        {YEAR_LINE, "1900", [](InputForm& f) { f.yearPosition = OtherForm().yearPosition; }},
        {YEAR_LINE, "2050", [](InputForm& f) { f.yearPosition = 149; }},
        {HOUR_LINE, "24", [](InputForm& f) { f.hourPosition = OtherForm().hourPosition; }},
        {HOUR_LINE, "8.0", [](InputForm& f) { f.hourPosition = OtherForm().hourPosition; }},
        {MINUTE_LINE, "59", [](InputForm& f) { f.minutePosition = 59; }},
        {IS_EAST_LINE, "maybe", east},
        {IS_EAST_LINE, "", east},
        {IS_EAST_LINE, "Falsey", east},
        {IS_EAST_LINE, "1", east},
        {IS_EAST_LINE, "false", west},
        {IS_EAST_LINE, "FALSE", west},
        {IS_EAST_LINE, " False ", west},
        {IS_EAST_LINE, "0", west},
        {IS_EAST_LINE, "-0", west},
        {IS_EAST_LINE, "0.4", east},
        {IS_EAST_LINE, "-0.5", east},
        {IS_EAST_LINE, "0.000", west},
        {IS_SOUTH_LINE, "True",
         [](InputForm& f) { f.latitudeHemisphere = LatitudeHemisphere::South; }},
        {DAYLIGHT_SAVING_LINE, "yes", [](InputForm& f) { f.daylightSaving = true; }},
        {DAYLIGHT_SAVING_LINE, "fAlSe", [](InputForm&) {}},
        {LONGITUDE_DEGREES_LINE, "1234", [](InputForm& f) { f.longitudeDegrees = "123"; }},
        {LATITUDE_DEGREES_LINE, "-12", [](InputForm& f) { f.latitudeDegrees = "-12"; }},
        {LONGITUDE_MINUTES_LINE, "", [](InputForm& f) { f.longitudeMinutes = ""; }},
        {LATITUDE_MINUTES_LINE, "\u00A1\u00A2\u00A3\u00A4",
         [](InputForm& f) { f.latitudeMinutes = "\u00A1\u00A2\u00A3"; }},
        {NAME_LINE, "  padded ", [](InputForm& f) { f.name = "  padded "; }},
        {NAME_LINE, "\u20AC\x01", [](InputForm& f) { f.name = "\u20AC\x01"; }},
        {CITY_LINE, "", [](InputForm& f) { f.city = ""; }},
    };
    for (const LineCase& c : cases) {
        std::vector<std::string> values = AshaRaoValues();
        values[c.line] = c.value;
        InputForm expected = testing::AshaRaoForm();
        c.expect(expected);
        EXPECT_EQ(RestoreFile(MakeFile(values)), expected) << c.line << " '" << c.value << "'";
    }
}

TEST(RestoreReading, MissingLinesAreEmpty) {
    InputForm expected = OtherForm();
    expected.name = "Asha";
    expected.monthPosition = 5;
    expected.dayPosition = 14;
    expected.latitudeDegrees = expected.latitudeMinutes = "";
    expected.longitudeDegrees = expected.longitudeMinutes = "";
    expected.longitudeHemisphere = LongitudeHemisphere::East;
    expected.latitudeHemisphere = LatitudeHemisphere::South;
    expected.daylightSaving = true;
    expected.city = expected.state = expected.country = "";
    EXPECT_EQ(RestoreFile(MakeFile({"Asha", "6", "15"})), expected);
    expected.name = "";
    expected.monthPosition = OtherForm().monthPosition;
    expected.dayPosition = OtherForm().dayPosition;
    EXPECT_EQ(RestoreFile(""), expected);
}

TEST(RestoreReading, ToleratesOtherLineLayouts) {
    std::vector<std::string> longer = AshaRaoValues();
    longer.insert(longer.end(), {"extra", "13"});
    std::string unended = MakeFile(AshaRaoValues());
    unended.resize(unended.size() - 2);
    std::string strayReturn = MakeFile(AshaRaoValues());
    strayReturn.insert(3, "\r");
    const std::string layouts[] = {MakeFile(longer), MakeFile(AshaRaoValues(), "\n"),
                                   MakeFile(AshaRaoValues(), "\r\r\n"), unended, strayReturn};
    for (const std::string& file : layouts) {
        EXPECT_EQ(RestoreFile(file), testing::AshaRaoForm());
    }
}

TEST(SplitReadingLines, EndsLinesAtLineFeedsAndKeepsTheFirstSeventeen) {
    ReadingLines expected;
    expected[0] = "ab";
    expected[1] = "c\rd";
    expected[3] = "e";
    EXPECT_EQ(SplitReadingLines("ab\r\nc\rd\n\r\ne"), expected);
    expected = {};
    for (std::size_t line = 0; line < READING_LINE_COUNT; ++line) {
        expected[line] = std::to_string(line);
    }
    EXPECT_EQ(SplitReadingLines("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n"),
              expected);
}

TEST(RestoreReading, RandomBytesLeaveTheControlsInRange) {
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const ListItems& items = StandardListItems();
    for (int i = 0; i < 500; ++i) {
        std::string file(static_cast<std::size_t>(i), '\0');
        for (char& c : file) {
            c = static_cast<char>(i % 3 == 0 ? "\n\x86\x87"[byte(generator) % 3] : byte(generator));
        }
        const InputForm form = RestoreFile(file);
        EXPECT_LT(form.dayPosition, static_cast<int>(items.days.size()));
        EXPECT_LT(form.monthPosition, static_cast<int>(items.months.size()));
        EXPECT_LT(form.zonePosition, ZONE_COUNT);
        EXPECT_GE(form.zonePosition, 0);
        EXPECT_EQ(CutToCharacters(form.latitudeMinutes, DEGREE_BOX_LENGTH), form.latitudeMinutes);
    }
}

}  // namespace
}  // namespace sarovin
