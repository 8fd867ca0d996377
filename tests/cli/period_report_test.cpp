#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::RunResult;
using testing::RunTool;

constexpr const char* USAGE_FIRST_LINE =
    "Usage: sarovin-report [--format text|json|jsonl] [--ephemeris builtin|swiss]\n";

TEST(PeriodReport, BadPeriodOptionsAreUsageErrors) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {Joined(AshaRaoOptions(), {"--ashtakavarga"}),
         "--ashtakavarga needs --ephemeris swiss: the Ashtakavarga counts from the Lagna, which "
         "the Swiss Ephemeris gives"},
        {Joined(AshaRaoOptions(), {"--dasha-year", "julian"}), "--dasha-year needs --dasha"},
        {Joined(AshaRaoOptions(), {"--ephemeris", "swiss", "--ashtakavarga-tables", "parashara"}),
         "--ashtakavarga-tables needs --ashtakavarga"},
        {Joined(AshaRaoOptions(), {"--dasha", "--dasha-year", "tropical"}),
         "unknown dasha-year 'tropical': give sidereal, julian or savana"},
        {Joined(AshaRaoOptions(),
                {"--ephemeris", "swiss", "--ashtakavarga", "--ashtakavarga-tables", "Parashara"}),
         "unknown ashtakavarga-tables 'Parashara': give parashara or varahamihira"},
        {Joined(AshaRaoOptions(), {"--dasha", "--pdf", "a.pdf"}),
         "--dasha and --pdf cannot be used together"},
        {{"--compare", "--dasha", "a.dri", "b.dri"},
         "--dasha and --compare cannot be used together"},
        {Joined(AshaRaoOptions(), {"--dasha=sidereal"}), "option '--dasha' takes no value"},
    };
    for (const auto& [arguments, error] : cases) {
        const RunResult result = RunTool(arguments);
        EXPECT_EQ(result.status, 2) << error;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("sarovin-report: " + error + "\n" + USAGE_FIRST_LINE))
            << result.err;
    }
}

QJsonObject FirstReading(const RunResult& result) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
        .array()
        .first()
        .toObject();
}

// The published balance (7 August 1963, 21:14 IST, 21°27' N 83°58' E,
// Lahiri: Rahu, 0 years 0 months 13 days), through the tool; the arithmetic
// is checked from a fixed Moon in the dasha tests.
TEST(PeriodReport, PublishedBalanceThroughTheTool) {
    const RunResult result =
        RunTool({"--day",      "7",       "--month",     "8",     "--year",       "1963",
                 "--hour",     "21",      "--minute",    "14",    "--utc-offset", "+05:30",
                 "--latitude", "21:27",   "--longitude", "83:58", "--east",       "--ephemeris",
                 "swiss",      "--dasha", "--format",    "json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const QJsonObject dasha = FirstReading(result)["dasha"].toObject();
    EXPECT_EQ(dasha["system"].toString(), "vimshottari");
    EXPECT_EQ(dasha["yearDays"].toDouble(), 365.256364);
    const QJsonObject balance = dasha["balance"].toObject();
    EXPECT_EQ(balance["lord"].toString(), "N Node");
    EXPECT_EQ(balance["years"].toInt(), 0);
    EXPECT_EQ(balance["months"].toInt(), 0);
    EXPECT_EQ(balance["days"].toInt(), 13);
    // Rahu's Mahadasha ends 13 days after the birth's 15:44 UT: 0.034688
    // years of 365.256364 days is 12.670 days, 16:05 hours on.
    const QJsonObject first = dasha["periods"].toArray().first().toObject();
    EXPECT_EQ(first["end"].toString(), "1963-08-20T07:49Z");
    EXPECT_EQ(first["sub"].toArray().size(), 9);
}

// The published chart (6 February 1911, 02:04 at UTC-6:00, 41°38' N
// 89°47' W, Lahiri), with the Lagna the tool computes: the Sun's and the
// Moon's Bhinnashtakavarga and the Sarva as published.
TEST(PeriodReport, PublishedAshtakavargaThroughTheTool) {
    const RunResult result =
        RunTool({"--day",        "6",      "--month",     "2",        "--year",
                 "1911",         "--hour", "2",           "--minute", "4",
                 "--utc-offset", "-06:00", "--latitude",  "41:38",    "--longitude",
                 "89:47",        "--west", "--ephemeris", "swiss",    "--ashtakavarga",
                 "--format",     "json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const QJsonObject ashtakavarga = FirstReading(result)["ashtakavarga"].toObject();
    EXPECT_EQ(ashtakavarga["tables"].toString(), "parashara");
    const QJsonObject bhinna = ashtakavarga["bhinna"].toObject();
    EXPECT_EQ(bhinna["Sun"].toArray(), QJsonArray({4, 2, 3, 4, 6, 5, 5, 3, 2, 6, 6, 2}));
    EXPECT_EQ(bhinna["Moon"].toArray(), QJsonArray({6, 3, 5, 3, 5, 5, 6, 3, 3, 4, 4, 2}));
    EXPECT_EQ(ashtakavarga["sarva"].toArray(),
              QJsonArray({27, 24, 25, 26, 34, 35, 31, 28, 26, 26, 34, 21}));
    EXPECT_EQ(bhinna.keys().size(), 8);
}

// The text shows the same numbers as the JSON. The Moon of that chart,
// 19.8224911 (see the ashtakavarga tests), is 0.486687 through Bharani:
// Venus, 0.513313 × 20 = 10.266263 years, 0.19516 months of 30 days over
// 10 years 3 months, 5.85 days.
TEST(PeriodReport, TextShowsTheBalanceAndTheTables) {
    const RunResult result = RunTool({"--day",        "6",
                                      "--month",      "2",
                                      "--year",       "1911",
                                      "--hour",       "2",
                                      "--minute",     "4",
                                      "--utc-offset", "-06:00",
                                      "--latitude",   "41:38",
                                      "--longitude",  "89:47",
                                      "--west",       "--ephemeris",
                                      "swiss",        "--ashtakavarga",
                                      "--dasha",      "--dasha-year",
                                      "savana"});
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* line : {
             "\nAshtakavarga, Parashara's tables: bindus in the signs from Mesha to Meena, and the "
             "total\n",
             "\nSun       4  2  3  4  6  5  5  3  2  6  6  2   48\n",
             "\nSarva    27 24 25 26 34 35 31 28 26 26 34 21  337\n",
             "\nVimshottari Dasha, savana year of 360 days\nBalance at birth: Venus 10 years 3 "
             "months 6 days\n",
         }) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace sarovin
