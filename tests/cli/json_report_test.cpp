#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::ReadingFolder;
using testing::RunResult;
using testing::RunTool;

QJsonDocument Parsed(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document;
}

TEST(JsonReport, EscapesEveryText) {
    const std::string name = "Asha \"Ash\" Rao\\\nsecond line";
    const std::string city = "Zoë\tTown\x01";
    const RunResult typed = RunTool(testing::Joined(
        testing::AshaRaoOptions(), {"--format", "json", "--name", name, "--city", city}));
    ASSERT_EQ(typed.status, 0) << typed.err;
    const QJsonObject birth = Parsed(typed.out).array().at(0)["birth"].toObject();
    EXPECT_EQ(birth["name"].toString().toStdString(), name);
    EXPECT_EQ(birth["city"].toString().toStdString(), city);

    const ReadingFolder folder;
    const std::string path =
        folder.WriteRecord("quote\"\\.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const RunResult file = RunTool({"--format", "json", path});
    ASSERT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(Parsed(file.out).array().at(0)["file"].toString().toStdString(), path);
}

// Readings are written one by one; the array must still read as the one
// QJsonDocument would write for them all.
TEST(JsonReport, ManyReadingsMakeOneArray) {
    const ReadingFolder folder;
    std::vector<std::string> arguments = {"--format", "json"};
    QJsonArray singles;
    for (int zone = 0; zone < 3; ++zone) {
        const std::string path =
            folder.WriteRecord(std::to_string(zone) + ".dri", testing::AshaRaoBirth(), zone);
        arguments.push_back(path);
        singles.append(Parsed(RunTool({"--format", "json", path}).out).array().at(0));
    }
    const RunResult result = RunTool(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QJsonDocument(singles).toJson(QJsonDocument::Indented).toStdString());
}

TEST(JsonReport, NoReadingPrintedIsAnEmptyArray) {
    const RunResult result = RunTool({"--format", "json", "absent.dri", "other.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "[\n]\n");
    EXPECT_TRUE(Parsed(result.out).isArray());
}

TEST(JsonReport, ATypedBirthHasNoFile) {
    const RunResult result =
        RunTool(testing::Joined({"--format", "json"}, testing::AshaRaoOptions()));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(Parsed(result.out).array().at(0).toObject()["file"].isNull());
}

}  // namespace
}  // namespace sarovin
