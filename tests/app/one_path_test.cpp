#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/shell/main_window.h"
#include "cli/reading_source.h"
#include "reading/reading_file.h"
#include "tests/support/reading_folder.h"
#include "tests/support/recording_platform_services.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

struct MalformedLine {
    const char* what;
    int line;
    const char* value;
    int secondLine = -1;
    const char* secondValue = "";
};

// Lines a reading file may hold that no control can take, and lines that
// fail a check.
constexpr MalformedLine MALFORMED_LINES[] = {
    {"good reading", NAME_LINE, "Asha Rao"},
    {"letters for longitude degrees", LONGITUDE_DEGREES_LINE, "ab"},
    {"letters for latitude minutes", LATITUDE_MINUTES_LINE, "x1"},
    {"a thirteenth month", MONTH_LINE, "13"},
    {"a day that no list has", DAY_LINE, "32"},
    {"a year before the list", YEAR_LINE, "1850"},
    {"an hour past the list", HOUR_LINE, "24"},
    {"a zone row past the list", ZONE_LINE, "99"},
    {"a flag of words", IS_EAST_LINE, "maybe"},
    {"a flag that is false", DAYLIGHT_SAVING_LINE, "False"},
    {"an empty name", NAME_LINE, ""},
    {"an empty country", COUNTRY_LINE, ""},
    {"the 31st of April", DAY_LINE, "31", MONTH_LINE, "4"},
    {"the 30th of February", DAY_LINE, "30", MONTH_LINE, "2"},
};

std::string ReadingWith(const MalformedLine& change) {
    ReadingLines values = CollectReadingValues(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    values[static_cast<std::size_t>(change.line)] = change.value;
    if (change.secondLine >= 0) {
        values[static_cast<std::size_t>(change.secondLine)] = change.secondValue;
    }
    std::string bytes;
    for (const std::string& value : values) {
        bytes += ScrambleText(value) + "\r\n";
    }
    return bytes;
}

TEST(OneCalculationPath, AFreshWindowAndTheReportToolAgreeOnEveryReading) {
    QTemporaryDir folder;
    for (const MalformedLine& change : MALFORMED_LINES) {
        const QString path = folder.filePath(QStringLiteral("case.dri"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const std::string bytes = ReadingWith(change);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        testing::RecordingPlatformServices platform;
        MainWindow window(platform);
        platform.dialogAnswers.push_back(testing::LocalPath(path));
        window.OpenReading();
        const Result<ReportedReading> tool = ReadingFromFile(path.toStdString(), {}, {});
        if (tool) {
            EXPECT_TRUE(platform.messages.empty()) << change.what;
            EXPECT_EQ(window.Record(), tool->calculation.record) << change.what;
        } else {
            ASSERT_EQ(platform.messages.size(), 1u) << change.what;
            EXPECT_EQ(platform.messages[0].text.toStdString(), tool.refusal().message)
                << change.what;
        }
    }
}

}  // namespace
}  // namespace sarovin
