#include "drishti/drik_bala.h"

namespace sarovin {

namespace {

// Drik Bala is a quarter of the net aspect (Brihat Parashara Hora Shastra,
// the chapter on Shadbala, Santhanam's numbering ch. 27; B. V. Raman,
// "Graha and Bhava Balas").
constexpr double DRIK_BALA_SHARE = 0.25;
constexpr double HALF_CIRCLE = 180;

// The Moon waxes while it stands 0 to 180 degrees ahead of the Sun.
bool MoonWaxes(const BodyTable& bodies) {
    return AspectAngle(bodies.entries[Sun].longitude, bodies.entries[Moon].longitude) < HALF_CIRCLE;
}

// Mercury turns malefic when the other planets in its sign hold more
// malefics than benefics; with none, or as many of each, it stays benefic.
bool MercuryStaysBenefic(const BodyTable& bodies,
                         const std::array<bool, ASPECTING_PLANETS>& others) {
    const int sign = bodies.entries[Mercury].place.sign;
    int balance = 0;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        if (planet != Mercury && bodies.entries[planet].place.sign == sign) {
            balance += others[planet] ? 1 : -1;
        }
    }
    return balance >= 0;
}

}  // namespace

std::array<bool, ASPECTING_PLANETS> BeneficPlanets(const BodyTable& bodies) {
    std::array<bool, ASPECTING_PLANETS> benefic{};
    benefic[Jupiter] = true;
    benefic[Venus] = true;
    benefic[Moon] = MoonWaxes(bodies);
    benefic[Mercury] = MercuryStaysBenefic(bodies, benefic);
    return benefic;
}

DrikBala ComputeDrikBala(const ClassicalSputa& sputa, const BodyTable& bodies) {
    const std::array<bool, ASPECTING_PLANETS> benefic = BeneficPlanets(bodies);
    DrikBala bala{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        DrikBalaValue& value = bala[planet];
        value.benefic = benefic[planet];
        double net = 0;
        std::size_t next = 0;
        for (int aspecting = 0; aspecting < ASPECTING_PLANETS; ++aspecting) {
            if (aspecting == planet) {
                continue;
            }
            const double virupas = sputa.grid[aspecting][planet];
            value.contributors.at(next++) = {aspecting, benefic[aspecting], virupas};
            net += benefic[aspecting] ? virupas : -virupas;
        }
        value.net = net;
        value.virupas = net * DRIK_BALA_SHARE;
    }
    return bala;
}

}  // namespace sarovin
