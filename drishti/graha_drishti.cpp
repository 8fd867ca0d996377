#include "drishti/graha_drishti.h"

#include <span>

#include "drishti/sign_names.h"

namespace sarovin {

namespace {

// Aspected signs counted from the body's own sign as the first, in the
// order they are written: every body aspects its 7th sign; Mars also its
// 4th and 8th, Jupiter its 5th and 9th, Saturn its 3rd and 10th.
constexpr std::array<int, 1> SEVENTH_ONLY = {7};
constexpr std::array<int, 3> MARS_HOUSES = {4, 7, 8};
constexpr std::array<int, 3> JUPITER_HOUSES = {5, 7, 9};
constexpr std::array<int, 3> SATURN_HOUSES = {3, 7, 10};
constexpr std::array<std::span<const int>, GRAHA_ROWS> ASPECTED_HOUSES = {
    SEVENTH_ONLY, SEVENTH_ONLY,   SEVENTH_ONLY,  SEVENTH_ONLY,
    MARS_HOUSES,  JUPITER_HOUSES, SATURN_HOUSES, SEVENTH_ONLY,
};

DrishtiRow GrahaRow(const BodyTable& bodies, const std::array<int, GRAHA_ROWS>& signs, int body) {
    const std::string& name = bodies.entries[body].englishName;
    NameList signNames({"Sign aspected by ", name, " is "});
    NameList planets({"Planet(s) aspected by ", name, " is "});
    for (const int house : ASPECTED_HOUSES[body]) {
        const int aspected = (signs[body] + house - 1) % SIGN_COUNT;
        signNames.Append(VedicSignNames[aspected]);
        for (int other = 0; other < GRAHA_ROWS; ++other) {
            if (signs[other] == aspected) {
                planets.Append(bodies.entries[other].englishName);
            }
        }
    }
    return MakeDrishtiRow(
        bodies.entries[body], signNames.Close("."),
        planets.empty() ? Concat({"Planet ", name, " has no Graha Drishti."}) : planets.Close("."));
}

}  // namespace

std::array<DrishtiRow, GRAHA_ROWS> ComputeGrahaDrishti(const BodyTable& bodies) {
    std::array<int, GRAHA_ROWS> signs{};
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        signs[body] = bodies.entries[body].place.sign;
    }
    std::array<DrishtiRow, GRAHA_ROWS> rows;
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        rows[body] = GrahaRow(bodies, signs, body);
    }
    return rows;
}

}  // namespace sarovin
