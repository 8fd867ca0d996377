#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::ReadingFolder;
using testing::RunResult;
using testing::RunTool;

QJsonDocument Parsed(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << error.errorString().toStdString() << " in " << text.substr(0, 200);
    return document;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Three readings with a missing file among them.
std::vector<std::string> SomeFiles(const ReadingFolder& folder) {
    std::vector<std::string> files;
    for (int zone : {34, 29, 61}) {
        files.push_back(
            folder.WriteRecord(std::to_string(zone) + ".dri", testing::AshaRaoBirth(), zone));
    }
    files.insert(files.begin() + 1, folder.PathOf("missing.dri"));
    return files;
}

TEST(JsonLines, EachReadingIsOneCompactObjectOnItsLine) {
    const ReadingFolder folder;
    const std::vector<std::string> files = SomeFiles(folder);
    const RunResult lines = RunTool(testing::Joined({"--format", "jsonl"}, files));
    const RunResult array = RunTool(testing::Joined({"--format", "json"}, files));
    EXPECT_EQ(lines.status, 1);
    EXPECT_EQ(lines.err, array.err);
    ASSERT_TRUE(lines.out.ends_with("\n"));
    const std::vector<std::string> objects = LinesOf(lines.out);
    const QJsonArray elements = Parsed(array.out).array();
    ASSERT_EQ(objects.size(), 3u);
    ASSERT_EQ(elements.size(), 3);
    for (std::size_t index = 0; index < objects.size(); ++index) {
        const QJsonDocument object = Parsed(objects[index]);
        ASSERT_TRUE(object.isObject()) << objects[index];
        EXPECT_EQ(object.object(), elements.at(static_cast<qsizetype>(index)).toObject());
        EXPECT_EQ(objects[index], object.toJson(QJsonDocument::Compact).toStdString());
    }
}

TEST(JsonLines, NothingPrintedIsNothingAtAll) {
    const RunResult result = RunTool({"--format", "jsonl", "absent.dri"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
}

// A file name holding every control character the file system allows and
// bytes that are not UTF-8: controls read back as they were, each
// undecodable byte as the low surrogate of its value.
TEST(JsonLines, FileNamesKeepControlsAndUndecodableBytesInBothForms) {
    std::string name;
    for (char control = 1; control < 0x20; ++control) {
        name += control;
    }
    name += "\"\\caf\xE9 \xFF.dri";
    QString expected;
    for (char16_t control = 1; control < 0x20; ++control) {
        expected += QChar(control);
    }
    expected += QString::fromUtf16(u"\"\\caf\xDCE9 \xDCFF.dri");
    const ReadingFolder folder;
    const std::string path =
        folder.WriteRecord(name, testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string folderPart = path.substr(0, path.size() - name.size());
    for (const char* format : {"json", "jsonl"}) {
        const RunResult result = RunTool({"--format", format, path});
        ASSERT_EQ(result.status, 0) << result.err;
        const QJsonDocument document = Parsed(result.out);
        const QJsonObject reading =
            document.isArray() ? document.array().at(0).toObject() : document.object();
        EXPECT_EQ(reading["file"].toString(), QString::fromStdString(folderPart) + expected)
            << format;
    }
}

}  // namespace
}  // namespace sarovin
