#include "swiss/house_cusps.h"

#include <swephexp.h>

#include <cmath>
#include <string>

namespace sarovin {

namespace {

constexpr int PORPHYRY = 'O';
constexpr int PLACIDUS = 'P';

std::string LatitudeText(double latitude) {
    return std::to_string(static_cast<int>(std::fabs(latitude))) +
           (latitude < 0 ? " degrees South" : " degrees North");
}

Refusal PolarPlacidusRefusal(double latitude) {
    return RefuseWith("Placidus houses have no solution inside the polar circles (latitude " +
                      LatitudeText(latitude) +
                      "); choose the Sripati, Equal or Whole-sign houses.");
}

}  // namespace

Result<SwissCusps> ComputeSwissCusps(const SwissRequest& request, CuspSystem system) {
    UseRequestAyanamsa(request);
    double cusps[HOUSE_COUNT + 1];
    double angles[10];
    const int method = system == CuspSystem::Placidus ? PLACIDUS : PORPHYRY;
    // On failure the library falls back to Porphyry cusps; only Placidus fails.
    if (swe_houses_ex(request.julianDayUt, SEFLG_SIDEREAL, request.latitudeDegrees,
                      request.longitudeDegrees, method, cusps, angles) == ERR) {
        return PolarPlacidusRefusal(request.latitudeDegrees);
    }
    SwissCusps found{swe_degnorm(angles[SE_ASC]), swe_degnorm(angles[SE_MC]), {}};
    for (int house = 0; house < HOUSE_COUNT; ++house) {
        found.cusps[house] = swe_degnorm(cusps[house + 1]);
    }
    return found;
}

}  // namespace sarovin
