#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/report_options.h"
#include "cli/typed_reading.h"
#include "engine/position_text.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::RunResult;
using testing::RunTool;

QJsonObject FirstReading(const std::vector<std::string>& arguments) {
    const RunResult result = RunTool(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array().at(0).toObject();
}

TypedBirth AshaRaoTyped() {
    return ParseReportArguments(AshaRaoOptions())->typedBirth.value();
}

std::string PositionOf(double longitude) {
    return ShortPositionOf(SplitSignDms(longitude));
}

// Each body's longitude reads back as the very number its text was made
// from, in both ephemerides.
TEST(JsonSky, BodiesCarryTheLongitudeOfTheirPosition) {
    for (const Ephemeris ephemeris : {Ephemeris::BuiltIn, Ephemeris::Swiss}) {
        const EphemerisChoice choice{ephemeris, LunarNode::Mean};
        const Result<ReportedReading> computed = ReadingFromTypedBirth(AshaRaoTyped(), choice, {});
        ASSERT_TRUE(computed);
        const char* name = ephemeris == Ephemeris::Swiss ? "swiss" : "builtin";
        const QJsonArray bodies = FirstReading(Joined({"--format", "json", "--ephemeris", name},
                                                      AshaRaoOptions()))["bodies"]
                                      .toArray();
        ASSERT_EQ(bodies.size(), BODY_COUNT);
        for (int body = 0; body < BODY_COUNT; ++body) {
            const double longitude = bodies.at(body)["longitude"].toDouble();
            EXPECT_EQ(longitude, computed->calculation.sky.bodies.entries[body].longitude);
            EXPECT_EQ(bodies.at(body)["position"].toString().toStdString(), PositionOf(longitude));
        }
    }
}

// The planets' ayanamsa of the built-in ephemeris for 15 June 1980, 03:00
// UT: the description's end-to-end check gives A = 23.58185, and the
// independent Python implementation
//   python3 -c "import builtin_positions as b;
//     print(b.compute_birth_ayanamsa(b.Birth('1980-06-15,08:30,-5,-30,77E12')))"
// (run in tests/reference) gives -23.581850380293144.
TEST(JsonSky, TheBuiltInEphemerisHasNoUniversalTimeAndNoLagna) {
    const QJsonObject reading = FirstReading(Joined({"--format", "json"}, AshaRaoOptions()));
    const QJsonObject ephemeris = reading["ephemeris"].toObject();
    EXPECT_EQ(ephemeris["name"].toString(), "builtin");
    EXPECT_EQ(ephemeris["node"].toString(), "mean");
    EXPECT_TRUE(ephemeris["universalTime"].isNull());
    EXPECT_NEAR(ephemeris["ayanamsa"].toDouble(), 23.581850380293144, 1e-12);
    EXPECT_TRUE(reading["lagna"].isNull());
    EXPECT_TRUE(reading.contains("lagna"));
}

// 08:30 Indian Time (UTC+5:30) is 03:00 UT, for which
//   swetest -b15.6.1980 -ut3:00 -ay1 -head -eswe -edir/usr/share/libswe/ephe
// gives "Ayanamsha Lahiri    23°34'52.0451".
TEST(JsonSky, TheSwissEphemerisNamesItsNodeTimeAyanamsaAndLagna) {
    const QJsonObject reading = FirstReading(
        Joined({"--format", "json", "--ephemeris=swiss", "--node=true"}, AshaRaoOptions()));
    const QJsonObject ephemeris = reading["ephemeris"].toObject();
    EXPECT_EQ(ephemeris["name"].toString(), "swiss");
    EXPECT_EQ(ephemeris["node"].toString(), "true");
    EXPECT_EQ(ephemeris["universalTime"].toString(), "1980-06-15T03:00Z");
    EXPECT_NEAR(ephemeris["ayanamsa"].toDouble(), 23 + 34 / 60.0 + 52.0451 / 3600, 0.001 / 3600);
    const QJsonObject lagna = reading["lagna"].toObject();
    EXPECT_EQ(lagna["position"].toString().toStdString(),
              PositionOf(lagna["longitude"].toDouble()));
}

TEST(JsonSky, TheSwissTextNamesTheEphemerisAndTheLagna) {
    const RunResult result = RunTool(Joined({"--ephemeris", "swiss"}, AshaRaoOptions()));
    ASSERT_EQ(result.status, 0) << result.err;
    const QJsonObject reading =
        FirstReading(Joined({"--format", "json", "--ephemeris", "swiss"}, AshaRaoOptions()));
    const std::string lagna = reading["lagna"]["position"].toString().toStdString();
    EXPECT_NE(result.out.find("\nSwiss Ephemeris, Lahiri ayanamsa 23°34'52\", mean node, UT "
                              "1980-06-15 03:00\nLagna " +
                              lagna + "\n\nGraha Drishti\n"),
              std::string::npos)
        << result.out.substr(0, 300);
}

}  // namespace
}  // namespace sarovin
