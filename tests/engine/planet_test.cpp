#include <gtest/gtest.h>

#include <cmath>

#include "engine/angle_constants.h"
#include "engine/ayanamsa.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"
#include "engine/planet_longitude.h"
#include "engine/position_text.h"

namespace sarovin {
namespace {

TEST(PlanetDayNumber, CountsFromNoonOfJ2000) {
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 0, 0), -0.5);
    EXPECT_EQ(PlanetDayNumber(1980, 6, 15, 3, 0), -7139.375);
    EXPECT_EQ(PlanetDayNumber(2000, 3, 1, 12, 0) - PlanetDayNumber(2000, 2, 28, 12, 0), 2.0);
}

TEST(LoadOrbitalElements, GivesTheBaseValuesAtJ2000) {
    const OrbitalElementSet mercury = LoadOrbitalElements(PlanetIndex::Mercury, 0);
    EXPECT_EQ(mercury.semiMajorAxis, 0.38709893);
    EXPECT_EQ(mercury.eccentricity, 0.20563069);
    EXPECT_EQ(mercury.inclination, DEG_TO_RAD * 7.00487);
    EXPECT_EQ(mercury.meanLongitude, ReduceRadians(DEG_TO_RAD * 252.25084));
}

TEST(LoadOrbitalElements, MeanLongitudeIsReducedIntoOneTurn) {
    for (const double day : {36525.0, -36525.0, -7139.375, 18000.0}) {
        for (int planet = 0; planet < 6; ++planet) {
            const double longitude =
                LoadOrbitalElements(static_cast<PlanetIndex>(planet), day).meanLongitude;
            EXPECT_GE(longitude, 0);
            EXPECT_LT(longitude, TWO_PI_CONST);
        }
    }
    const double mercuryAfterCentury = DEG_TO_RAD * (252.25084 + 538101628.29 / 3600);
    EXPECT_EQ(LoadOrbitalElements(PlanetIndex::Mercury, 36525).meanLongitude,
              ReduceRadians(mercuryAfterCentury));
}

TEST(GeocentricLongitude, MatchesTheTropicalLongitudesAtJ2000) {
    const double expected[] = {271.91, 241.58, 280.38, 327.98, 25.36, 40.21};
    for (int planet = 0; planet < 6; ++planet) {
        EXPECT_NEAR(GeocentricLongitude(static_cast<PlanetIndex>(planet), 0), expected[planet],
                    0.005)
            << planet;
    }
}

TEST(ReduceRadians, HandlesNegativeAndExactTurns) {
    EXPECT_EQ(ReduceRadians(-2 * TWO_PI_CONST), 0.0);
    EXPECT_EQ(ReduceRadians(-0.5 * TWO_PI_CONST), 0.5 * TWO_PI_CONST);
    EXPECT_EQ(ReduceRadians(0), 0.0);
    EXPECT_NEAR(ReduceRadians(TWO_PI_CONST + 1), 1, 1e-12);
}

TEST(TrueAnomaly, IsZeroAtPerihelionAndStaysInOneTurn) {
    EXPECT_EQ(TrueAnomaly(0, 0.2), 0.0);
    for (double mean = 0; mean < TWO_PI_CONST; mean += 0.1) {
        const double anomaly = TrueAnomaly(mean, 0.2056);
        EXPECT_GE(anomaly, 0);
        EXPECT_LT(anomaly, TWO_PI_CONST);
    }
    EXPECT_NEAR(TrueAnomaly(1.0, 0), 1.0, 1e-12);
}

struct ArcCase {
    double y;
    double x;
    double angle;
};

TEST(ArcTangent2, CoversEveryQuadrantAndAxis) {
    const ArcCase cases[] = {
        {0, -1, PI_CONST},
        {0, 0, 0},
        {1, 0, PI_CONST / 2},
        {-1, 0, -PI_CONST / 2},
        {1, 1, std::atan(1.0)},
        {1, -1, PI_CONST - std::atan(1.0)},
        {-1, -1, -(PI_CONST - std::atan(1.0))},
    };
    for (const ArcCase& c : cases) {
        EXPECT_EQ(ArcTangent2(c.y, c.x), c.angle) << c.y << ", " << c.x;
    }
}

std::string ShortText(double longitude) {
    return ShortPositionOf(SplitSignDms(longitude));
}

TEST(AyanamsaDegrees, MatchesAtBothEpochs) {
    EXPECT_NEAR(AyanamsaDegrees(0), -22.4663, 5e-5);
    EXPECT_NEAR(AyanamsaDegrees(1), -23.8540, 5e-5);
    EXPECT_NEAR(AyanamsaDegrees(1), -23.85399, 5e-6);
}

TEST(NodeLongitudes, MatchTheJ2000Example) {
    const NodePositions nodes = NodeSiderealLongitudes(0, 23.85399);
    EXPECT_EQ(ShortText(nodes.rahu), "10 Can 16");
    EXPECT_EQ(ShortText(nodes.ketu), "10 Cap 16");
}

TEST(NodeLongitudes, KetuStaysOppositeRahuAcrossTheWrap) {
    // Rahu of about 359.99 degrees: the node at 1.009 degrees past the offset.
    const double nearFullTurn = (360.99 * 3.1416 / 180) / DEG_TO_RAD;
    const double dayForNode = (125.1228 - nearFullTurn) / 0.0529538083;
    const NodePositions late = NodeSiderealLongitudes(dayForNode, 0);
    EXPECT_EQ(ShortText(late.rahu).substr(3), "Pis 59");
    EXPECT_EQ(ShortText(late.ketu).substr(3), "Vir 59");

    const double smallNode = (1.31 * 3.1416 / 180) / DEG_TO_RAD;
    const NodePositions early = NodeSiderealLongitudes((125.1228 - smallNode) / 0.0529538083, 0);
    EXPECT_EQ(ShortText(early.rahu), "00 Ari 18");
    EXPECT_EQ(ShortText(early.ketu), "00 Lib 18");
}

TEST(NodeLongitudes, ZeroAyanamsaBelowTheOffsetWrapsIntoPisces) {
    const double halfDegreeNode = (0.5 * 3.1416 / 180) / DEG_TO_RAD;
    const NodePositions nodes =
        NodeSiderealLongitudes((125.1228 - halfDegreeNode) / 0.0529538083, 0);
    EXPECT_EQ(ShortText(nodes.rahu), "29 Pis 30");
    EXPECT_EQ(ShortText(nodes.ketu), "29 Vir 30");
}

}  // namespace
}  // namespace sarovin
