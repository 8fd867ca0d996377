#include "cli/reading_source.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reading/scramble.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoBirth;
using testing::INDIAN_TIME_ZONE;
using testing::ReadingFolder;

TEST(ReadingFromFile, ChecksTheNameBeforeReading) {
    const ReadingFolder folder;
    const std::string good = WriteReading(AshaRaoBirth(), INDIAN_TIME_ZONE);
    const std::pair<std::string, const char*> cases[] = {
        {folder.WriteBytes("upper.DRI", good), "Please Check The File."},
        {folder.WriteBytes("mixed.Dri", good), "Please Check The File."},
        {folder.WriteBytes("text.txt", good), "Please Check The File."},
        {folder.PathOf("absent.txt"), "Please Check The File."},
        {folder.PathOf("absent.dri"), "Cannot read the file. No such file or directory"},
        {folder.WriteBytes("lower.dri", good), ""},
        {folder.WriteBytes("no-dot-dri", good), ""},
    };
    for (const auto& [path, error] : cases) {
        EXPECT_EQ(testing::RefusalOf(ReadingFromFile(path, {}, {})), error) << path;
    }
}

TEST(ReadingFromFile, AFolderIsNoReading) {
    const ReadingFolder folder;
    const std::string path = folder.PathOf("folder.dri");
    std::filesystem::create_directory(path);
    EXPECT_EQ(testing::RefusalOf(ReadingFromFile(path, {}, {})),
              "Cannot read the file. It is not an ordinary file.");
}

TEST(ReadingFromFile, RefusesWithTheFirstFailingCheck) {
    struct Case {
        void (*change)(BirthRecord&);
        const char* error;
    };
    const Case cases[] = {
        {[](BirthRecord& r) { r.name.clear(); }, "Please Enter Your Name"},
        {[](BirthRecord& r) { r.name = "   "; }, "Please Enter Your Name"},
        {[](BirthRecord& r) { r.city.clear(); }, "Please Enter Your City name"},
        {[](BirthRecord& r) { r.country.clear(); }, "Please Enter Your Country name"},
        {[](BirthRecord& r) {
             r.day = 30;
             r.month = 2;
         },
         "Please Enter Correct Date Or Month!"},
        {[](BirthRecord& r) {
             r.day = 31;
             r.month = 9;
         },
         "Please Enter Correct Date Or Month !"},
    };
    const ReadingFolder folder;
    for (const Case& c : cases) {
        BirthRecord record = AshaRaoBirth();
        c.change(record);
        const Result<ReportedReading> outcome =
            ReadingFromFile(folder.WriteRecord("case.dri", record, INDIAN_TIME_ZONE), {}, {});
        EXPECT_EQ(testing::RefusalOf(outcome), c.error);
        EXPECT_FALSE(outcome);
    }
}

TEST(ReadingFromFile, FillsTheRecordOfAGoodReading) {
    const ReadingFolder folder;
    const std::string path = folder.WriteRecord("asha.dri", AshaRaoBirth(), INDIAN_TIME_ZONE);
    const Result<ReportedReading> outcome = ReadingFromFile(path, {}, {});
    ASSERT_TRUE(outcome) << testing::RefusalOf(outcome);
    BirthRecord expected = AshaRaoBirth();
    expected.zoneHoursAbs = 5;
    expected.zoneMinutesAbs = 30;
    expected.zoneHoursToUt = -5;
    expected.zoneMinutesToUt = -30;
    EXPECT_EQ(outcome->calculation.record, expected);
    EXPECT_EQ(outcome->calculation.zonePosition, INDIAN_TIME_ZONE);
    EXPECT_EQ(outcome->source, path);
}

// Values the panel cannot take leave the start-up choices: the first day,
// zone row 0, and a zero for a degree box that holds no number.
TEST(ReadingFromFile, StartsEachFileFromTheStartUpPanel) {
    const ReadingFolder folder;
    BirthRecord record = AshaRaoBirth();
    record.day = 32;
    ReadingLines values = CollectReadingValues(record, 99);
    values[LONGITUDE_DEGREES_LINE] = "abc";
    std::string bytes;
    for (const std::string& value : values) {
        bytes += ScrambleText(value) + "\r\n";
    }
    const Result<ReportedReading> outcome =
        ReadingFromFile(folder.WriteBytes("odd.dri", bytes), {}, {});
    ASSERT_TRUE(outcome) << testing::RefusalOf(outcome);
    EXPECT_EQ(outcome->calculation.record.day, 1);
    EXPECT_EQ(outcome->calculation.zonePosition, 0);
    EXPECT_EQ(outcome->calculation.record.zoneHoursToUt, 9);
    EXPECT_EQ(outcome->calculation.record.longitudeDegrees, 0);
    EXPECT_EQ(outcome->calculation.record.longitudeMinutes, 12);
}

}  // namespace
}  // namespace sarovin
