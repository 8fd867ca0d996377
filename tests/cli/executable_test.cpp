#include <gtest/gtest.h>

#include <QProcess>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::ProgramRun;
using testing::RunProgram;

TEST(Executable, PrintsTheGoodFileAndNamesTheBadOne) {
    const testing::ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("good.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string bad = folder.PathOf("bad.dri");
    const ProgramRun run = RunProgram({QString::fromStdString(good), QString::fromStdString(bad)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.starts_with("Asha Rao — 15 June 1980 08:30, ")) << run.out;
    EXPECT_EQ(run.err,
              "sarovin-report: " + bad + ": Cannot read the file. No such file or directory\n");
}

// Standard output and standard error as one stream, as a terminal or
// `2>&1` shows them.
std::string MergedOutput(const QStringList& arguments) {
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QString::fromUtf8(REPORT_PROGRAM), arguments);
    program.waitForFinished(30000);
    return program.readAll().toStdString();
}

// "Lines on standard error are in argument order with the readings": the
// line for a refused file comes after the reading before it and before the
// reading after it, in every format.
TEST(Executable, ProblemLinesStandBetweenTheReadingsAroundThem) {
    const testing::ReadingFolder folder;
    BirthRecord second = testing::AshaRaoBirth();
    second.name = "Second Person";
    const std::string first =
        folder.WriteRecord("first.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string bad = folder.PathOf("bad.dri");
    const std::string last = folder.WriteRecord("last.dri", second, testing::INDIAN_TIME_ZONE);
    const std::string problem =
        "sarovin-report: " + bad + ": Cannot read the file. No such file or directory\n";
    for (const char* format : {"text", "json", "jsonl"}) {
        const std::string merged = MergedOutput(
            {QStringLiteral("--format"), QString::fromLatin1(format), QString::fromStdString(first),
             QString::fromStdString(bad), QString::fromStdString(last)});
        const std::size_t line = merged.find(problem);
        ASSERT_NE(line, std::string::npos) << format << "\n" << merged;
        EXPECT_LT(merged.find("Asha Rao"), line) << format;
        EXPECT_GT(merged.find("Second Person"), line) << format;
    }
}

TEST(Executable, ExitStatusesOfTheInformativeAndUsageCalls) {
    const ProgramRun version = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "sarovin-report 1.15\n");
    const ProgramRun usage = RunProgram({QStringLiteral("--zone"), QStringLiteral("99")});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_TRUE(usage.err.starts_with("sarovin-report: ")) << usage.err;
}

TEST(Executable, AMissingSwissDataFolderRefusesEachReading) {
    const testing::ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("good.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string absent = folder.PathOf("no-ephemeris");
    const ProgramRun run =
        RunProgram({QStringLiteral("--ephemeris=swiss"), QStringLiteral("--format=jsonl"),
                    QString::fromStdString(good)},
                   {QString::fromStdString("SE_EPHE_PATH=" + absent)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "sarovin-report: " + good +
                           ": The Swiss Ephemeris data files were not found in " + absent + ".\n");
}

}  // namespace
}  // namespace sarovin
