#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include "tests/report/report_test_support.h"

namespace sarovin {
namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built program with the arguments as given, no shell between.
ProgramRun RunProgram(const QStringList& arguments) {
    QProcess program;
    program.start(QString::fromUtf8(REPORT_PROGRAM), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        return {-1, {}, {}};
    }
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

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

TEST(Executable, ExitStatusesOfTheInformativeAndUsageCalls) {
    const ProgramRun version = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "sarovin-report 1.15\n");
    const ProgramRun usage = RunProgram({QStringLiteral("--zone"), QStringLiteral("99")});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_TRUE(usage.err.starts_with("sarovin-report: ")) << usage.err;
}

}  // namespace
}  // namespace sarovin
