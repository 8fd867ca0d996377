#include <QFile>
#include <QTemporaryDir>

#include "reading/reading_file.h"
#include "tests/app/window_fixture.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

using testing::WindowTest;

// What the six lists show before the open (20 March 1999, 17:45
// Newfoundland time, none of them a list's first item) and what the reading
// holds when its lines are sound (15 June 1980, 08:30 Indian Time).
struct ListChoice {
    const char* list;
    const char* before;
    const char* fromReading;
};

const ListChoice LISTS[] = {
    {"cboDate", "20", "15"},
    {"cboMonth", "March", "June"},
    {"cboYear", "1999", "1980"},
    {"cboHour", "17", "8"},
    {"cboMinute", "45", "30"},
    {"cboTimeZone", "Newfoundland Standard Time,NST,-3.5", "Indian Time, IST, +5.3"},
};

struct InvalidValue {
    ReadingLine line;
    const char* value;
    const char* list;  // the list that must keep its choice
};

// Values no item of their list has: just past each end, and some that are
// not numbers at all.
const InvalidValue INVALID_VALUES[] = {
    {DAY_LINE, "32", "cboDate"},       {DAY_LINE, "0", "cboDate"},
    {DAY_LINE, "", "cboDate"},         {MONTH_LINE, "13", "cboMonth"},
    {MONTH_LINE, "0", "cboMonth"},     {MONTH_LINE, "June", "cboMonth"},
    {YEAR_LINE, "1850", "cboYear"},    {YEAR_LINE, "1900", "cboYear"},
    {YEAR_LINE, "2051", "cboYear"},    {HOUR_LINE, "24", "cboHour"},
    {HOUR_LINE, "-1", "cboHour"},      {MINUTE_LINE, "60", "cboMinute"},
    {MINUTE_LINE, "-1", "cboMinute"},  {ZONE_LINE, "99", "cboTimeZone"},
    {ZONE_LINE, "71", "cboTimeZone"},  {ZONE_LINE, "-1", "cboTimeZone"},
    {ZONE_LINE, "IST", "cboTimeZone"},
};

class ReadingListValuesTest : public WindowTest {
  protected:
    // Writes the Asha Rao reading with some lines replaced and opens it
    // through the Open button's dialog.
    void OpenReadingWith(const std::vector<std::pair<ReadingLine, const char*>>& changes) {
        ReadingLines values =
            CollectReadingValues(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
        for (const auto& [line, value] : changes) {
            values[line] = value;
        }
        std::string bytes;
        for (const std::string& value : values) {
            bytes += ScrambleText(value) + "\r\n";
        }
        const QString path = folder.filePath(QStringLiteral("reading.dri"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        platform.dialogAnswers.push_back(testing::LocalPath(path));
        Click("cmdOpen");
    }
    void ShowEarlierChoices() {
        if (FrontPanelName() != "Frame1") {
            Click("cmdBack");
        }
        EnterGreenwichBirth();
        for (const ListChoice& list : LISTS) {
            ChooseItem(list.list, QString::fromLatin1(list.before));
        }
        for (const ListChoice& list : LISTS) {
            ASSERT_EQ(List(list.list)->currentText(), list.before) << list.list;
        }
    }

    QTemporaryDir folder;
};

TEST_F(ReadingListValuesTest, AValueNoItemHasLeavesItsListAsItWasAndTheOthersFollowTheReading) {
    for (const InvalidValue& invalid : INVALID_VALUES) {
        const std::string context = std::string(invalid.list) + " <- \"" + invalid.value + "\"";
        platform.messages.clear();
        ShowEarlierChoices();
        OpenReadingWith({{invalid.line, invalid.value}});
        for (const ListChoice& list : LISTS) {
            const bool kept = std::string_view(list.list) == invalid.list;
            EXPECT_EQ(List(list.list)->currentText(), kept ? list.before : list.fromReading)
                << context << ", " << list.list;
        }
        EXPECT_TRUE(platform.messages.empty()) << context;
        EXPECT_EQ(FrontPanelName(), "Frame2") << context;
    }
}

TEST_F(ReadingListValuesTest, AllSixInvalidAtOnceKeepAllSixAndCalculateFromThem) {
    ShowEarlierChoices();
    OpenReadingWith({{DAY_LINE, "32"},
                     {MONTH_LINE, "13"},
                     {YEAR_LINE, "1850"},
                     {HOUR_LINE, "24"},
                     {MINUTE_LINE, "60"},
                     {ZONE_LINE, "99"}});
    for (const ListChoice& list : LISTS) {
        EXPECT_EQ(List(list.list)->currentText(), list.before) << list.list;
    }
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 50);
    // The other lines are the reading's.
    EXPECT_EQ(Box("txtName")->text(), "Asha Rao");
    EXPECT_EQ(Box("txtLonDeg")->text(), "77");
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(FrontPanelName(), "Frame2");
    // And the calculation is of the kept choices.
    const BirthRecord& record = window.Record();
    EXPECT_EQ(record.name, "Asha Rao");
    EXPECT_EQ(record.day, 20);
    EXPECT_EQ(record.month, 3);
    EXPECT_EQ(record.year, 1999);
    EXPECT_EQ(record.hour, 17);
    EXPECT_EQ(record.minute, 45);
    // Newfoundland's -3.5: three and a half hours to add to reach Universal Time.
    EXPECT_EQ(record.zoneHoursToUt, 3);
    EXPECT_EQ(record.zoneMinutesToUt, 30);
    EXPECT_EQ(record.longitudeDegrees, 77);
}

}  // namespace
}  // namespace sarovin
