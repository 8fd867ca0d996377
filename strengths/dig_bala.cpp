#include "strengths/dig_bala.h"

#include <cmath>
#include <string>

#include "engine/body_slot.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr double HALF_CIRCLE = 180;
constexpr double QUARTER_CIRCLE = 90;

// The house whose madhya is a planet's point of no directional strength,
// opposite its strongest (Brihat Parashara Hora Shastra, ch. 27; Raman,
// ch. IV): Jupiter and Mercury are strongest in the 1st, so weakest at the
// 7th; the Sun and Mars strongest in the 10th, weakest at the 4th; Saturn
// strongest in the 7th, weakest at the 1st; the Moon and Venus strongest
// in the 4th, weakest at the 10th. Body-slot order.
constexpr std::array<int, ASPECTING_PLANETS> POWERLESS_HOUSE = {4, 10, 7, 10, 4, 7, 1};

double PowerlessPoint(int planet, const ShadbalaInputs& inputs, DigPoints points) {
    const int house = POWERLESS_HOUSE[planet];
    if (points == DigPoints::Madhyas) {
        return inputs.madhyas[static_cast<std::size_t>(house - 1)];
    }
    return ZodiacDegrees(inputs.lagna + QUARTER_CIRCLE * ((house - 1) / 3));
}

}  // namespace

// One virupa for every three degrees from the point of no strength; the
// arc is folded at 180 degrees, or taken as it stands (DigArc).
std::array<BalaWorking, ASPECTING_PLANETS> ComputeDigBala(const ShadbalaInputs& inputs,
                                                          const StrengthRules& rules) {
    std::array<BalaWorking, ASPECTING_PLANETS> bala{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const double longitude = inputs.longitudes[planet];
        const double point = PowerlessPoint(planet, inputs, rules.digPoints);
        const double forward = AspectAngle(point, longitude);
        const double folded = HALF_CIRCLE - std::abs(forward - HALF_CIRCLE);
        const double unfolded = std::abs(longitude - point);
        const double arc = rules.digArc == DigArc::Folded ? folded : unfolded;
        const std::string pointName =
            (rules.digPoints == DigPoints::Madhyas ? "madhya of house " : "Lagna kendra ") +
            std::to_string(POWERLESS_HOUSE[planet]);
        bala[planet] = SumWorking(
            {{"longitude", longitude}, {pointName, point}, {"arc", arc}},
            rules.digArc == DigArc::Folded
                ? "arc from the point of no strength, folded at 180 degrees, / 3"
                : "arc from the point of no strength as it stands / 3",
            "B. V. Raman, Graha and Bhava Balas, ch. IV; Brihat Parashara Hora Shastra, ch. 27",
            {{"arc / 3", arc / 3}});
    }
    return bala;
}

}  // namespace sarovin
