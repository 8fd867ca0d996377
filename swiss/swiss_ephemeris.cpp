#include "swiss/swiss_ephemeris.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "swiss/ephemeris_session.h"

namespace sarovin {

namespace {

constexpr int32 SIDEREAL_FROM_FILES = SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED;
constexpr int RAHU = 7;
constexpr int KETU = 8;
constexpr std::array<int, RAHU> PLANETS = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                           SE_MARS, SE_JUPITER, SE_SATURN};
// Whole-sign houses: the ascendant is the same in every house system, and
// this one is defined at every latitude, the polar circles included.
constexpr int WHOLE_SIGN_HOUSES = 'W';

// The library's sidereal mode of each ayanamsa offered.
int SiderealModeOf(AyanamsaSystem ayanamsa) {
    switch (ayanamsa) {
        case AyanamsaSystem::Raman:
            return SE_SIDM_RAMAN;
        case AyanamsaSystem::Krishnamurti:
            return SE_SIDM_KRISHNAMURTI;
        case AyanamsaSystem::TrueChitra:
            return SE_SIDM_TRUE_CITRA;
        case AyanamsaSystem::Yukteshwar:
            return SE_SIDM_YUKTESHWAR;
        case AyanamsaSystem::FaganBradley:
            return SE_SIDM_FAGAN_BRADLEY;
        case AyanamsaSystem::Lahiri:
            break;
    }
    return SE_SIDM_LAHIRI;
}

std::optional<Refusal> CheckRequest(const SwissRequest& request) {
    if (!std::isfinite(request.julianDayUt)) {
        return RefuseWith("The moment of birth is not a finite Julian day.");
    }
    if (!(request.latitudeDegrees >= -90 && request.latitudeDegrees <= 90)) {
        return RefuseWith("The latitude must lie between 90 degrees South and 90 degrees North.");
    }
    if (!(request.longitudeDegrees >= -180 && request.longitudeDegrees <= 180)) {
        return RefuseWith("The longitude must lie between 180 degrees West and 180 degrees East.");
    }
    return std::nullopt;
}

std::string BodyName(int body) {
    char name[AS_MAXCH] = "";
    swe_get_planet_name(body, name);
    return name;
}

// A body's sidereal longitude and its daily motion in it.
struct Motion {
    double longitude;
    double speed;
};

// A body's sidereal longitude and speed. A planet is seen where it stood when its
// light left it, up to about an hour and a half earlier for Saturn, so in
// the first hours of the files' span the library may have to leave the
// files; that is refused like any moment outside them.
Result<Motion> SiderealMotion(int body, double julianDayUt, const EphemerisFiles& files) {
    double position[6];
    char error[AS_MAXCH] = "";
    const int32 returned = swe_calc_ut(julianDayUt, body, SIDEREAL_FROM_FILES, position, error);
    if (returned == ERR) {
        return RefuseWith("The Swiss Ephemeris could not place " + BodyName(body) + ": " + error);
    }
    if ((returned & SEFLG_SWIEPH) == 0) {
        return OutsideFilesRefusal(files);
    }
    return Motion{position[0], position[3]};
}

Result<double> AyanamsaOfDate(double julianDayUt) {
    double ayanamsa = 0;
    char error[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex_ut(julianDayUt, SEFLG_SWIEPH, &ayanamsa, error) == ERR) {
        return RefuseWith(std::string("The Swiss Ephemeris could not give the ayanamsa: ") + error);
    }
    return ayanamsa;
}

Result<double> SiderealAscendant(const SwissRequest& request) {
    double cusps[13];
    double angles[10];
    if (swe_houses_ex(request.julianDayUt, SEFLG_SIDEREAL, request.latitudeDegrees,
                      request.longitudeDegrees, WHOLE_SIGN_HOUSES, cusps, angles) == ERR) {
        return RefuseWith("The Swiss Ephemeris could not find the ascendant.");
    }
    return swe_degnorm(angles[0]);
}

// Rahu is the Moon's north node; Ketu, the south node, is exactly opposite.
std::optional<Refusal> PlaceNodes(const SwissRequest& request, const EphemerisFiles& files,
                                  SwissPositions& positions) {
    const int node = request.node == LunarNode::True ? SE_TRUE_NODE : SE_MEAN_NODE;
    const Result<Motion> rahu = SiderealMotion(node, request.julianDayUt, files);
    if (!rahu) {
        return rahu.refusal();
    }
    positions.longitudes[RAHU] = rahu->longitude;
    positions.longitudes[KETU] = swe_degnorm(rahu->longitude + 180);
    positions.speeds[RAHU] = rahu->speed;
    positions.speeds[KETU] = rahu->speed;
    return std::nullopt;
}

std::optional<Refusal> PlacePlanets(const SwissRequest& request, const EphemerisFiles& files,
                                    SwissPositions& positions) {
    for (int slot = 0; slot < RAHU; ++slot) {
        const Result<Motion> motion = SiderealMotion(PLANETS[slot], request.julianDayUt, files);
        if (!motion) {
            return motion.refusal();
        }
        positions.longitudes[slot] = motion->longitude;
        positions.speeds[slot] = motion->speed;
    }
    return std::nullopt;
}

Result<SwissPositions> ReadPositions(const SwissRequest& request, const EphemerisFiles& files) {
    SwissPositions positions;
    if (std::optional<Refusal> refusal = PlacePlanets(request, files, positions)) {
        return *refusal;
    }
    if (std::optional<Refusal> refusal = PlaceNodes(request, files, positions)) {
        return *refusal;
    }
    const Result<double> ayanamsa = AyanamsaOfDate(request.julianDayUt);
    if (!ayanamsa) {
        return ayanamsa.refusal();
    }
    const Result<double> lagna = SiderealAscendant(request);
    if (!lagna) {
        return lagna.refusal();
    }
    positions.ayanamsa = *ayanamsa;
    positions.lagna = *lagna;
    return positions;
}

}  // namespace

Result<SwissPositions> ComputeSwissPositions(const SwissRequest& request) {
    if (std::optional<Refusal> refusal = CheckRequest(request)) {
        return *refusal;
    }
    const EphemerisFiles& files = PrepareThreadEphemeris();
    if (!files.found) {
        return UnusableFilesRefusal(files);
    }
    if (!files.Covers(request.julianDayUt)) {
        return OutsideFilesRefusal(files);
    }
    UseRequestAyanamsa(request);
    return ReadPositions(request, files);
}

void UseRequestAyanamsa(const SwissRequest& request) {
    UseThreadSiderealMode(SiderealModeOf(request.ayanamsa));
}

}  // namespace sarovin
