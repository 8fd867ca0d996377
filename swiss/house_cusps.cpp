#include "swiss/house_cusps.h"

#include <swephexp.h>

#include <cmath>
#include <string>

namespace sarovin {

namespace {

constexpr int PORPHYRY = 'O';
constexpr int PLACIDUS = 'P';

constexpr int MINUTES_PER_DEGREE = 60;

// "66 degrees 34 minutes North": whole minutes, truncated, so a latitude
// just inside a polar circle does not read as on or outside it.
std::string LatitudeText(double latitude) {
    const auto minutes = static_cast<int>(std::floor(std::fabs(latitude) * MINUTES_PER_DEGREE));
    return std::to_string(minutes / MINUTES_PER_DEGREE) + " degrees " +
           std::to_string(minutes % MINUTES_PER_DEGREE) + " minutes" +
           (latitude < 0 ? " South" : " North");
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
