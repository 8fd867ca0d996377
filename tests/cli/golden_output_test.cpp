#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::RunResult;
using testing::RunTool;

std::string Golden(const std::string& name) {
    std::ifstream file(std::string(REPORT_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The JSON of an array of readings without the members the golden files
// predate: each reading's "ephemeris", "houses" and "lagna" and each body's
// "longitude". None of them is the last of its object, so the commas stay
// right. A member is one line, or runs to the line closing its object.
std::string WithoutSkyMembers(const std::string& json) {
    const std::string readingIndent(8, ' ');
    const std::string bodyIndent(16, ' ');
    const std::vector<std::string> removed = {
        readingIndent + "\"ephemeris\": ", readingIndent + "\"houses\": ",
        readingIndent + "\"lagna\": ", bodyIndent + "\"longitude\": "};
    std::istringstream lines(json);
    std::string kept;
    std::string closing;
    for (std::string line; std::getline(lines, line);) {
        if (!closing.empty()) {
            if (line.starts_with(closing)) {
                closing.clear();
            }
            continue;
        }
        const auto member =
            std::find_if(removed.begin(), removed.end(),
                         [&line](const auto& start) { return line.starts_with(start); });
        if (member == removed.end()) {
            kept += line + "\n";
        } else if (line.ends_with("{")) {
            closing = line.substr(0, line.find('"')) + "}";
        }
    }
    return kept;
}

std::vector<std::string> GreenwichNoonOptions() {
    return {"--day",         "1",         "--month",     "1",        "--year",
            "2000",          "--hour",    "12",          "--minute", "0",
            "--zone",        "29",        "--longitude", "0:00",     "--west",
            "--latitude",    "51:28",     "--north",     "--name",   "Greenwich Noon",
            "--city",        "Greenwich", "--state",     "London",   "--country",
            "United Kingdom"};
}

TEST(GoldenOutput, TwoReadingFilesAsText) {
    const testing::ReadingFolder folder;
    const std::string noon =
        folder.WriteRecord("noon.dri", testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE);
    const std::string delhi =
        folder.WriteRecord("delhi.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const RunResult result = RunTool({noon, delhi});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Golden("greenwich_noon.txt") + "\n" + Golden("asha_rao.txt"));
}

TEST(GoldenOutput, EastOrWestOfGreenwichGiveTheSameText) {
    const testing::ReadingFolder folder;
    BirthRecord east = testing::GreenwichNoonBirth();
    east.isEast = true;
    const RunResult result =
        RunTool({folder.WriteRecord("east.dri", east, testing::GREENWICH_ZONE)});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Replaced(Golden("greenwich_noon.txt"), "0°00' W", "0°00' E"));
}

TEST(GoldenOutput, TypedBirthAsText) {
    const RunResult result = RunTool(testing::AshaRaoOptions());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Golden("asha_rao.txt"));
}

TEST(GoldenOutput, TypedBirthAsJson) {
    const RunResult result = RunTool(testing::Joined({"--format", "json"}, GreenwichNoonOptions()));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(WithoutSkyMembers(result.out), Golden("greenwich_noon.json"));
}

TEST(GoldenOutput, ReadingFileAsJson) {
    const testing::ReadingFolder folder;
    const std::string delhi =
        folder.WriteRecord("delhi.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const RunResult result = RunTool({"--format=json", delhi});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(WithoutSkyMembers(result.out), Replaced(Golden("asha_rao.json"), "@READING@", delhi));
}

}  // namespace
}  // namespace sarovin
