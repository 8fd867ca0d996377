#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::Joined;
using testing::RunResult;
using testing::RunTool;

// B. V. Raman's standard horoscope ("Graha and Bhava Balas"): 16 October
// 1918, 14:22 Indian time (+5:30), 13°00' N 77°35' E, with the book's
// longitudes, Lagna and 10th madhya.
const std::vector<std::string> RAMAN_BIRTH = {
    "--day",      "16",    "--month",  "10",          "--year", "1918",
    "--hour",     "14",    "--minute", "22",          "--zone", "34",
    "--latitude", "13:00", "--north",  "--longitude", "77:35",  "--east"};
const std::string RAMAN_POSITIONS =
    "Sun=180:53:55,Moon=311:17:19,Mars=229:30:34,Mercury=181:31:34,Jupiter=84:00:49,"
    "Venus=171:09:56,Saturn=124:22:41,Rahu=234:23:47,Lagna=298:27,MC=216:36";

struct RefusedCase {
    const char* positions;
    const char* message;
};

TEST(GivenPositions, AreRefusedNamingTheEntry) {
    const RefusedCase cases[] = {
        {"Sun=180:53:55,Moon=311:17:19,Mars=229:30:34,Mercury=181:31:34,Jupiter=84:00:49,"
         "Venus=171:09:56,Rahu=234:23:47,Lagna=298:27,MC=216:36",
         "--positions lacks Saturn"},
        {"Sun=180:53:55,Moon=311:17:19,Mars=229:30:34,Mercury=181:31:34,Jupiter=84:00:49,"
         "Venus=171:09:56,Saturn=124:22:41,Rahu=234:23:47,Lagna=298:27",
         "--positions lacks MC"},
        {"Sun=1:00,Sun=2:00", "--positions gives Sun twice"},
        {"Sun=180:60", "bad entry 'Sun=180:60' in --positions"},
        {"Sun=361:00", "bad entry 'Sun=361:00' in --positions"},
        {"Sun=360:00:01", "bad entry 'Sun=360:00:01' in --positions"},
        {"Sun=180", "bad entry 'Sun=180' in --positions"},
        {"Sun=1:2:3:4", "bad entry 'Sun=1:2:3:4' in --positions"},
        {"Sun=-1:00", "bad entry 'Sun=-1:00' in --positions"},
        {"Ketu=54:23", "bad entry 'Ketu=54:23' in --positions"},
        {"Sun 180:53", "bad entry 'Sun 180:53' in --positions"},
        {"", "bad entry '' in --positions"},
    };
    for (const RefusedCase& c : cases) {
        const RunResult result =
            RunTool(Joined({"--ephemeris", "swiss", "--positions", c.positions}, RAMAN_BIRTH));
        EXPECT_EQ(result.status, 2) << c.positions;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    const RunResult builtIn = RunTool(Joined({"--positions", RAMAN_POSITIONS}, RAMAN_BIRTH));
    EXPECT_EQ(builtIn.status, 2);
    EXPECT_NE(builtIn.err.find("--positions needs --ephemeris swiss"), std::string::npos);
}

QJsonObject GivenReading(const std::vector<std::string>& extra) {
    const RunResult result =
        RunTool(Joined(Joined({"--ephemeris", "swiss", "--ayanamsa", "raman", "--format", "json",
                               "--positions", RAMAN_POSITIONS},
                              extra),
                       RAMAN_BIRTH));
    EXPECT_EQ(result.status, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array().at(0).toObject();
}

// The bodies, the Lagna and the houses follow the given positions: Ketu
// opposite Rahu, and the Sripati madhyas of the given Lagna and MC, which
// are the book's (2nd 331°10', 3rd 3°53').
TEST(GivenPositions, TakeThePlaceOfTheEphemeris) {
    const QJsonObject reading = GivenReading({"--rules", "classical"});
    EXPECT_EQ(reading["positions"].toString(), "given");
    const QJsonArray bodies = reading["bodies"].toArray();
    EXPECT_NEAR(bodies.at(0)["longitude"].toDouble(), 180 + 53 / 60.0 + 55 / 3600.0, 1e-9);
    EXPECT_NEAR(bodies.at(8)["longitude"].toDouble(), 54 + 23 / 60.0 + 47 / 3600.0, 1e-9);
    EXPECT_NEAR(reading["lagna"]["longitude"].toDouble(), 298.45, 1e-9);
    const QJsonArray houses = reading["houses"]["list"].toArray();
    ASSERT_EQ(houses.size(), 12);
    EXPECT_NEAR(houses.at(1)["madhya"].toDouble(), 331 + 10 / 60.0, 1e-6);
    EXPECT_NEAR(houses.at(2)["madhya"].toDouble(), 3 + 53 / 60.0, 1e-6);
    EXPECT_NEAR(houses.at(9)["madhya"].toDouble(), 216.6, 1e-6);
    // The book's Drik Bala of the Sun follows from the given positions.
    EXPECT_NEAR(reading["drikBala"].toArray().at(0)["virupas"].toDouble(), 15.86, 0.05);
}

TEST(GivenPositions, ReadingsWithoutThemSayNothing) {
    const RunResult result =
        RunTool(Joined({"--ephemeris", "swiss", "--format", "json"}, RAMAN_BIRTH));
    EXPECT_EQ(result.out.find("\"positions\": \"given\""), std::string::npos);
}

}  // namespace
}  // namespace sarovin
