#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::Joined;
using testing::RunResult;
using testing::RunTool;

// Well under one arc second.
constexpr double DEGREES_ALLOWED = 0.0003;

struct SwetestBirth {
    const char* what;
    std::vector<std::string> options;
    const char* universalTime;
    // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, mean node.
    std::array<double, 8> longitudes;
};

double DegreesApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

// clang-format off
const SwetestBirth BIRTHS[] = {
    // swetest -b15.7.1975 -ut21:40 -p0123456m -sid1 -fPl -head -eswe -edir/usr/share/libswe/ephe
    {"Madrid, West of Greenwich on CET (+1) with summer time: 23:40 is 21:40 UT",
     {"--day", "15", "--month", "7", "--year", "1975", "--hour", "23", "--minute", "40",
      "--zone", "20", "--dst", "--latitude", "40:25", "--north", "--longitude", "3:42", "--west"},
     "1975-07-15T21:40Z",
     {89.2572604, 180.2805699, 72.0752804, 130.8517491, 16.8139736, 359.7539784, 89.0199242,
      214.7028068}},
    // swetest -b31.12.1999 -ut18:45 -p0123456m -sid1 -fPl -head -eswe -edir/usr/share/libswe/ephe
    {"Delhi, IST (+5:30): 00:15 on 1 January 2000 is 18:45 UT the day before",
     {"--day", "1", "--month", "1", "--year", "2000", "--hour", "0", "--minute", "15",
      "--zone", "34", "--latitude", "28:38", "--longitude", "77:13", "--east"},
     "1999-12-31T18:45Z",
     {255.7830312, 190.7881148, 246.9188780, 216.8438907, 303.5525996, 1.3714687, 16.5572747,
      101.2255116}},
    // swetest -b1.1.1988 -ut2:30 -p0123456m -sid1 -fPl -head -eswe -edir/usr/share/libswe/ephe
    {"New York, EST (-5): 21:30 on 31 December 1987 is 02:30 UT in the new year",
     {"--day", "31", "--month", "12", "--year", "1987", "--hour", "21", "--minute", "30",
      "--zone", "27", "--latitude", "40:43", "--longitude", "74:00", "--west"},
     "1988-01-01T02:30Z",
     {256.1916723, 42.6284970, 261.3291236, 288.4482373, 211.3044195, 356.5507627, 241.7871738,
      333.4724143}},
};
// clang-format on

QJsonObject SwissReading(const std::vector<std::string>& options) {
    const RunResult result = RunTool(Joined({"--ephemeris", "swiss", "--format", "json"}, options));
    EXPECT_EQ(result.status, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array().at(0).toObject();
}

TEST(SwissReference, LongitudesAgreeWithSwetest) {
    for (const SwetestBirth& birth : BIRTHS) {
        const QJsonObject reading = SwissReading(birth.options);
        EXPECT_EQ(reading["ephemeris"]["universalTime"].toString().toStdString(),
                  birth.universalTime)
            << birth.what;
        const QJsonArray bodies = reading["bodies"].toArray();
        ASSERT_EQ(bodies.size(), 9) << birth.what;
        for (std::size_t body = 0; body < birth.longitudes.size(); ++body) {
            const double longitude =
                bodies.at(static_cast<qsizetype>(body))["longitude"].toDouble();
            EXPECT_LT(DegreesApart(longitude, birth.longitudes[body]), DEGREES_ALLOWED)
                << birth.what << ", body " << body;
        }
        // Ketu stands opposite Rahu.
        EXPECT_LT(DegreesApart(bodies.at(8)["longitude"].toDouble(), birth.longitudes[7] + 180),
                  DEGREES_ALLOWED)
            << birth.what;
    }
}

// swetest -b15.7.1975 -ut21:40 -pt -sid1 -fPl -head -eswe -edir/usr/share/libswe/ephe
//         -house-3.7,40.41666666667,W
// gives "true Node 216.0241325" and "Ascendant 310.2404275".
TEST(SwissReference, TrueNodeAndLagnaAgreeWithSwetest) {
    const QJsonObject reading = SwissReading(Joined({"--node", "true"}, BIRTHS[0].options));
    EXPECT_LT(DegreesApart(reading["bodies"][7]["longitude"].toDouble(), 216.0241325),
              DEGREES_ALLOWED);
    EXPECT_LT(DegreesApart(reading["lagna"]["longitude"].toDouble(), 310.2404275), DEGREES_ALLOWED);
    EXPECT_EQ(reading["lagna"]["position"].toString(), "10 Aqu 14");
}

}  // namespace
}  // namespace sarovin
