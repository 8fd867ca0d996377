#include "houses/bhava_drishti_bala.h"

#include "drishti/drik_bala.h"

namespace sarovin {

namespace {

// B. V. Raman, "Graha and Bhava Balas", Bhava Drishti Bala (after Brihat
// Parashara Hora Shastra, the chapter on Bhava Bala): a quarter of the
// aspects of benefics less a quarter of those of malefics, with the whole
// aspect of Mercury and of Jupiter added.
constexpr double QUARTER = 0.25;
constexpr double WHOLE = 1;

}  // namespace

// Mercury and Jupiter count whole; Venus and the waxing Moon a quarter;
// the Sun, Mars, Saturn and the waning Moon a quarter taken away.
std::array<double, ASPECTING_PLANETS> BhavaDrishtiWeights(const BodyTable& bodies) {
    const bool moonWaxes = BeneficPlanets(bodies)[Moon];
    std::array<double, ASPECTING_PLANETS> weights{};
    weights[Sun] = -QUARTER;
    weights[Moon] = moonWaxes ? QUARTER : -QUARTER;
    weights[Mercury] = WHOLE;
    weights[Venus] = QUARTER;
    weights[Mars] = -QUARTER;
    weights[Jupiter] = WHOLE;
    weights[Saturn] = -QUARTER;
    return weights;
}

BhavaDrishtiBala ComputeBhavaDrishtiBala(const BodyTable& bodies,
                                         const std::array<double, ASPECTING_PLANETS>& weights,
                                         double madhya) {
    BhavaDrishtiBala bala;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const double virupas =
            ClassicalSputaStrength(planet, AspectAngle(bodies.entries[planet].longitude, madhya));
        const double term = weights[planet] * virupas;
        bala.terms[planet] = {planet, weights[planet], virupas, term};
        bala.virupas += term;
    }
    return bala;
}

}  // namespace sarovin
