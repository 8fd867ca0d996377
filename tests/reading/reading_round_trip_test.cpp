#include <gtest/gtest.h>

#include "reading/reading_file.h"
#include "tables/zone_table.h"
#include "tests/reading/reading_samples.h"

namespace sarovin {
namespace {

InputForm RestoreWritten(const BirthRecord& record, int zonePosition) {
    InputForm form = OtherForm();
    RestoreReading(ReadReadingLines(WriteReading(record, zonePosition)), form);
    return form;
}

TEST(ReadingRoundTrip, RestoresEveryControl) {
    BirthRecord record = testing::AshaRaoBirth();
    record.name = "  Asha Rao ";
    record.city = " New Delhi  ";
    EXPECT_EQ(RestoreWritten(record, ASHA_RAO_ZONE), testing::AshaRaoForm());
}

TEST(ReadingRoundTrip, EveryZoneRowComesBack) {
    for (int zone = 0; zone < ZONE_COUNT; ++zone) {
        EXPECT_EQ(RestoreWritten(testing::AshaRaoBirth(), zone).zonePosition, zone);
    }
    EXPECT_EQ(RestoreWritten(testing::AshaRaoBirth(), 57).zonePosition, 57);
}

// A reading with an exact offset gains an 18th line, written like the
// others; its first 17 lines are those of the same reading without it, so
// a reader of 17 lines sees the row and the tick. A reading without one
// has no 18th line.
TEST(ReadingRoundTrip, AnExactOffsetTravelsInAnEighteenthLine) {
    struct Case {
        ExactOffset offset;
        const char* line;
        const char* offsetZone;
    };
    const Case cases[] = {
        {{20700, OffsetSource::Atlas, "Asia/Kathmandu"}, "+05:45 Asia/Kathmandu", "Asia/Kathmandu"},
        {{19270, OffsetSource::Typed, ""}, "+05:21:10", ""},
        {{-12600, OffsetSource::Typed, ""}, "-03:30", ""},
    };
    const std::string plain = WriteReading(testing::AshaRaoBirth(), ASHA_RAO_ZONE);
    EXPECT_EQ(ReadExactOffsetLine(plain), "");
    // Whatever an older file holds after its 17 lines is no offset.
    for (const char* after : {"", "Hello", "+25:00", "+05:45", "x\r\n+05:45\r\n"}) {
        InputForm form = OtherForm();
        RestoreExactOffset(ReadExactOffsetLine(plain + after), form);
        EXPECT_EQ(form.utcOffset, "") << after;
    }
    for (const Case& c : cases) {
        BirthRecord record = testing::AshaRaoBirth();
        record.exactOffset = c.offset;
        const std::string bytes = WriteReading(record, ASHA_RAO_ZONE);
        EXPECT_TRUE(bytes.starts_with(plain)) << c.line;
        EXPECT_TRUE(bytes.ends_with(READING_LINE_END)) << c.line;
        EXPECT_EQ(bytes.find(READING_LINE_END, plain.size()), bytes.size() - 2) << c.line;
        EXPECT_EQ(ReadExactOffsetLine(bytes), c.line);
        InputForm form = OtherForm();
        form.zoneUnsettled = "left from the panel";
        RestoreExactOffset(ReadExactOffsetLine(bytes), form);
        EXPECT_EQ(form.utcOffset, std::string(c.line).substr(0, std::string(c.line).find(' ')));
        EXPECT_EQ(form.offsetZone, c.offsetZone);
        EXPECT_EQ(form.zoneUnsettled, "");
    }
}

// An 18th line that is there but holds no offset, or that the file ends
// inside, refuses the reading: the zone row beside it is only a stand-in.
TEST(ReadingRoundTrip, AnUnreadableEighteenthLineIsRefused) {
    BirthRecord record = testing::AshaRaoBirth();
    record.exactOffset = ExactOffset{20700, OffsetSource::Atlas, "Asia/Kathmandu"};
    const std::string exact = WriteReading(record, ASHA_RAO_ZONE);
    const std::string plain = WriteReading(testing::AshaRaoBirth(), ASHA_RAO_ZONE);
    const auto line = [&plain](std::string_view value) {
        return plain + ScrambleText(value) + std::string(READING_LINE_END);
    };
    const std::string notOffset = "Cannot read the file. Its 18th line \"";
    const std::string cut =
        "Cannot read the file. It ends inside its 18th line, the offset "
        "from Universal Time.";
    const std::pair<std::string, std::string> cases[] = {
        {exact, ""},
        {plain, ""},
        {line("+14:00"), ""},
        {line("-12:00 Pacific/Baker"), ""},
        {line("+05:45\tAsia/Kathmandu"), notOffset + "+05:45?Asia/Kathmandu\" is not an offset "
                                                     "from Universal Time."},
        {line("+14:30"), notOffset + "+14:30\" is not an offset from Universal Time."},
        {line("+05:45 "), notOffset + "+05:45 \" is not an offset from Universal Time."},
        {line("05:45"), notOffset + "05:45\" is not an offset from Universal Time."},
        {exact.substr(0, exact.size() - READING_LINE_END.size()), cut},
        {exact.substr(0, exact.size() - 6), cut},
        {exact.substr(0, plain.size() + 4), cut},
    };
    for (const auto& [bytes, refusal] : cases) {
        InputForm form = OtherForm();
        const Result<Done> restored = RestoreExactOffsetLine(bytes, form);
        EXPECT_EQ(restored ? "" : restored.refusal().message, refusal)
            << bytes.substr(plain.size());
        if (!restored) {
            EXPECT_EQ(form.utcOffset, "");
        }
    }
}

TEST(ReadingRoundTrip, EveryFlagCombinationComesBack) {
    for (int flags = 0; flags < 8; ++flags) {
        BirthRecord record = testing::AshaRaoBirth();
        record.isEast = (flags & 1) != 0;
        record.isSouth = (flags & 2) != 0;
        record.daylightSaving = (flags & 4) != 0;
        const InputForm form = RestoreWritten(record, 0);
        EXPECT_EQ(form.longitudeHemisphere == LongitudeHemisphere::East, record.isEast) << flags;
        EXPECT_EQ(form.latitudeHemisphere == LatitudeHemisphere::South, record.isSouth) << flags;
        EXPECT_EQ(form.daylightSaving, record.daylightSaving) << flags;
    }
}

TEST(ReadingRoundTrip, FirstAndLastListItemsComeBack) {
    struct Case {
        std::int16_t day, month, year, hour, minute;
        int dayPosition, monthPosition, yearPosition;
    };
    const Case cases[] = {{1, 1, 1901, 0, 0, 0, 0, 0}, {31, 12, 2050, 23, 59, 30, 11, 149}};
    for (const Case& c : cases) {
        BirthRecord record = testing::AshaRaoBirth();
        record.day = c.day;
        record.month = c.month;
        record.year = c.year;
        record.hour = c.hour;
        record.minute = c.minute;
        const InputForm form = RestoreWritten(record, 0);
        EXPECT_EQ(form.dayPosition, c.dayPosition);
        EXPECT_EQ(form.monthPosition, c.monthPosition);
        EXPECT_EQ(form.yearPosition, c.yearPosition);
        EXPECT_EQ(form.hourPosition, c.hour);
        EXPECT_EQ(form.minutePosition, c.minute);
    }
}

// Given positions travel in a 19th line after an 18th (empty when there is
// no exact offset), so the first 17 or 18 lines are those of the same
// reading without them, byte for byte.
TEST(ReadingRoundTrip, GivenPositionsTravelInANineteenthLine) {
    const std::string positions = "Sun=180:53:55,Moon=311:17:19,MC=216:36:00";
    BirthRecord withOffset = testing::AshaRaoBirth();
    withOffset.exactOffset = ExactOffset{20700, OffsetSource::Atlas, "Asia/Kathmandu"};
    for (const BirthRecord& record : {testing::AshaRaoBirth(), withOffset}) {
        const std::string plain = WriteReading(record, ASHA_RAO_ZONE);
        const std::string bytes = WriteReadingWithPositions(record, ASHA_RAO_ZONE, positions);
        EXPECT_TRUE(bytes.starts_with(plain));
        EXPECT_EQ(ReadReadingLines(bytes), ReadReadingLines(plain));
        EXPECT_EQ(ReadExactOffsetLine(bytes), ReadExactOffsetLine(plain));
        EXPECT_EQ(ReadGivenPositionsLine(bytes), positions);
        EXPECT_EQ(ReadGivenPositionsLine(plain), "");
        // A 19th line that never ends is none.
        EXPECT_EQ(ReadGivenPositionsLine(bytes.substr(0, bytes.size() - 2)), "");
    }
    // Without an offset the 18th line is empty: "\r\n" alone.
    EXPECT_EQ(WriteReadingWithPositions(testing::AshaRaoBirth(), ASHA_RAO_ZONE, positions)
                  .substr(WriteReading(testing::AshaRaoBirth(), ASHA_RAO_ZONE).size(), 2),
              READING_LINE_END);
}

}  // namespace
}  // namespace sarovin
