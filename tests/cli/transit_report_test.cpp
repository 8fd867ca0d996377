#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/run_report.h"
#include "tests/cli/report_test_support.h"
#include "tests/support/ordinary_account.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::RunResult;
using testing::RunTool;

constexpr const char* USAGE_FIRST_LINE =
    "Usage: sarovin-report [--format text|json|jsonl] [--ephemeris builtin|swiss]\n";

std::vector<std::string> TransitOptions(const std::string& from, const std::string& to) {
    return Joined({"--transits", from, to, "--ephemeris", "swiss"}, AshaRaoOptions());
}

TEST(TransitReport, BadSpansAndThresholdsAreUsageErrors) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {TransitOptions("2025-01-01", "2024-01-01"), "The span must end after it starts."},
        {TransitOptions("2024-01-01", "2024-01-01"), "The span must end after it starts."},
        {TransitOptions("1800-01-02", "2400-01-03"), "The span must not be longer than 600 years."},
        {TransitOptions("1799-06-01", "1850-01-01"),
         "Transits can be searched from 1800-01-02 to 2399-12-31, the span the Swiss Ephemeris "
         "files cover."},
        {TransitOptions("2000-01-01", "2400-01-01"),
         "Transits can be searched from 1800-01-02 to 2399-12-31, the span the Swiss Ephemeris "
         "files cover."},
        {Joined(TransitOptions("2024-01-01", "2025-01-01"), {"--threshold", "60.5"}),
         "bad value '60.5' for --threshold: give virupas from 0 to 60"},
        {Joined(TransitOptions("2024-01-01", "2025-01-01"), {"--threshold", "-1"}),
         "bad value '-1' for --threshold: give virupas from 0 to 60"},
        {TransitOptions("2024-02-30", "2025-01-01"),
         "bad date '2024-02-30' for --transits: give YYYY-MM-DD"},
        {TransitOptions("2024-01-01", "25-01-01"),
         "bad date '25-01-01' for --transits: give YYYY-MM-DD"},
        {Joined({"--transits", "2024-01-01", "2025-01-01"}, AshaRaoOptions()),
         "--transits needs --ephemeris swiss: transits are found with the Swiss Ephemeris, as the "
         "natal reading must be"},
        {Joined({"--transits", "2024-01-01", "--ephemeris", "swiss"}, AshaRaoOptions()),
         "--transits needs two dates: --transits FROM TO"},
        {{"--transits", "2024-01-01", "2025-01-01", "--ephemeris", "swiss", "a.dri", "b.dri"},
         "--transits takes one reading: one file or one birth as options"},
        {Joined(AshaRaoOptions(), {"--threshold", "30"}), "--threshold needs --transits"},
        {Joined(TransitOptions("2024-01-01", "2025-01-01"), {"--pdf", "a.pdf"}),
         "--transits and --pdf cannot be used together"},
    };
    for (const auto& [arguments, error] : cases) {
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.status, 2) << error;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("sarovin-report: " + error + "\n" + USAGE_FIRST_LINE))
            << result.err;
    }
}

// Missing or damaged data files are no usage error: the search ends with
// status 1 and the file's problem, as a reading's would.
TEST(TransitReport, UnusableDataFilesAreNamedWithoutTheUsage) {
    const testing::ReadingFolder folder;
    const std::string damaged = folder.PathOf("damaged");
    std::filesystem::create_directory(damaged);
    for (const char* name : {"sepl_18.se1", "semo_18.se1"}) {
        std::filesystem::copy_file(std::filesystem::path("/usr/share/libswe/ephe") / name,
                                   std::filesystem::path(damaged) / name);
    }
    std::filesystem::resize_file(std::filesystem::path(damaged) / "semo_18.se1", 1000000);
    const std::pair<std::string, std::string> cases[] = {
        {folder.PathOf("empty"),
         "The Swiss Ephemeris data files were not found in " + folder.PathOf("empty") + "."},
        {damaged, "The Swiss Ephemeris data file semo_18.se1 in " + damaged + " is damaged: "},
    };
    QStringList arguments;
    for (const std::string& argument : TransitOptions("2024-01-01", "2024-02-01")) {
        arguments << QString::fromStdString(argument);
    }
    for (const auto& [path, error] : cases) {
        const testing::ProgramRun run = testing::RunProgram(
            arguments, {"SE_EPHE_PATH=", QString::fromStdString("SAROVIN_EPHEMERIS_PATH=" + path)});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("sarovin-report: " + error)) << run.err;
        EXPECT_EQ(run.err.find("Usage:"), std::string::npos) << run.err;
    }
}

// With no thread allowed (one process for the account, the test's own)
// the search runs on the calling thread, finds the same windows and says so.
TEST(TransitReport, AThreadTheSystemRefusesIsWarnedOfAndDoneWithout) {
    const std::vector<std::string> arguments =
        Joined(TransitOptions("2024-01-01", "2024-02-01"), {"--jobs", "2", "--format", "jsonl"});
    const RunResult free = RunTool(arguments);
    ASSERT_EQ(free.status, 0) << free.err;
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([&] {
        const rlimit oneProcess{1, 1};
        if (::setrlimit(RLIMIT_NPROC, &oneProcess) != 0) {
            return false;
        }
        const RunResult limited = RunTool(arguments);
        return limited.status == 0 && limited.out == free.out &&
               limited.err ==
                   "sarovin-report: warning: only 1 of 2 threads could be started; the transits "
                   "were searched on one\n";
    }));
}

// A week of Asha Rao's transits as JSON Lines, kept whole; the windows'
// times are checked against swetest in the transits tests.
TEST(TransitReport, AWeekOfTransitsAsJsonLines) {
    const RunResult result =
        RunTool(Joined(TransitOptions("2024-03-01", "2024-03-08"), {"--format", "jsonl"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    std::ifstream golden(std::string(REPORT_GOLDEN_DIR) + "/asha_rao_transits.jsonl",
                         std::ios::binary);
    EXPECT_EQ(result.out, std::string(std::istreambuf_iterator<char>(golden), {}));
}

TEST(TransitReport, TextAndJsonGiveOneEventALine) {
    const RunResult lines =
        RunTool(Joined(TransitOptions("2024-03-01", "2024-03-08"), {"--format", "jsonl"}));
    const RunResult text = RunTool(TransitOptions("2024-03-01", "2024-03-08"));
    const RunResult json =
        RunTool(Joined(TransitOptions("2024-03-01", "2024-03-08"), {"--format", "json"}));
    const auto count = [](const std::string& output) {
        return std::count(output.begin(), output.end(), '\n');
    };
    EXPECT_EQ(count(text.out), count(lines.out));
    EXPECT_EQ(count(json.out), count(lines.out) + 2);  // the brackets' lines
    EXPECT_TRUE(json.out.starts_with("[\n    {\"kind\":")) << json.out.substr(0, 40);
    EXPECT_TRUE(json.out.ends_with("}\n]\n"));
}

// Asha Rao's Moon at 89.1542° (swetest, see the calculation tests) is
// 0.6866 through Punarvasu: Jupiter's 16 years with 5.015 left, so
// Saturn's Mahadasha from 1985-06, Mercury's from 2004-06, Ketu's from
// 2021-06, its Antardashas of Ketu, Venus, the Sun, the Moon and Mars
// (0.408, 1.167, 0.35, 0.583, 0.408 years): Mars from 2023-12 to 2024-05.
// The Sun transits Kumbha, where its own table has bindus from itself, Mercury
// (9th from Mithuna), Mars and Saturn (7th from Simha): 4.
TEST(TransitReport, EventsCarryThePeriodsAndBindusAndKakshyasWhenAskedFor) {
    const std::vector<std::string> options =
        Joined(TransitOptions("2024-03-01", "2024-03-08"), {"--dasha", "--ashtakavarga"});
    const RunResult text = RunTool(options);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("  graha  Sun on Mars  periods S Node/Mars  bindus 4 own "),
              std::string::npos);
    const RunResult lines = RunTool(Joined(options, {"--format", "jsonl"}));
    std::istringstream stream(lines.out);
    int kakshyas = 0;
    for (std::string line; std::getline(stream, line);) {
        if (line.starts_with("{\"kind\":\"kakshya\"")) {
            EXPECT_NE(line.find(",\"sign\":"), std::string::npos) << line;
            EXPECT_NE(line.find(",\"lord\":"), std::string::npos) << line;
            ++kakshyas;
        } else {
            EXPECT_NE(line.find(",\"periods\":{\"maha\":\"S Node\",\"antar\":\"Mars\"}"),
                      std::string::npos)
                << line;
        }
    }
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'),
              std::count(lines.out.begin(), lines.out.end(), '\n'));
    EXPECT_GT(kakshyas, 0);
}

}  // namespace
}  // namespace sarovin
