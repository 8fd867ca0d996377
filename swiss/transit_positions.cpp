#include "swiss/transit_positions.h"

#include <swephexp.h>

#include <array>
#include <string>

#include "swiss/ephemeris_session.h"

namespace sarovin {

namespace {

constexpr int32 MOTION_FROM_FILES = SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED;
constexpr std::array<int, 7> PLANETS = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                        SE_MARS, SE_JUPITER, SE_SATURN};
constexpr int RAHU = 7;
constexpr int KETU = 8;

int LibraryBody(int body, LunarNode node) {
    if (body >= RAHU) {
        return node == LunarNode::True ? SE_TRUE_NODE : SE_MEAN_NODE;
    }
    return PLANETS[body];
}

}  // namespace

Result<SwissMotion> ComputeSwissMotion(int body, double julianDayUt, AyanamsaSystem ayanamsa,
                                       LunarNode node) {
    const EphemerisFiles& files = PrepareThreadEphemeris();
    if (!files.found) {
        return UnusableFilesRefusal(files);
    }
    if (!files.Covers(julianDayUt)) {
        return OutsideFilesRefusal(files);
    }
    UseRequestAyanamsa(SwissRequest{.ayanamsa = ayanamsa});
    double position[6];
    char error[AS_MAXCH] = "";
    const int32 returned =
        swe_calc_ut(julianDayUt, LibraryBody(body, node), MOTION_FROM_FILES, position, error);
    if (returned == ERR) {
        return RefuseWith(std::string("The Swiss Ephemeris could not place a body: ") + error);
    }
    if ((returned & SEFLG_SWIEPH) == 0) {
        return OutsideFilesRefusal(files);
    }
    if (body == KETU) {
        return SwissMotion{swe_degnorm(position[0] + 180), position[3]};
    }
    return SwissMotion{position[0], position[3]};
}

}  // namespace sarovin
