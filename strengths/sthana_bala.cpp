#include "strengths/sthana_bala.h"

#include <cmath>
#include <string>

#include "engine/body_slot.h"
#include "strengths/planet_dignity.h"
#include "vargas/varga_rules.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr const char* SOURCE =
    "B. V. Raman, Graha and Bhava Balas, ch. III; Brihat Parashara Hora Shastra, ch. 27";
constexpr double HALF_CIRCLE = 180;
constexpr double VIRUPAS_PER_DEGREE = 1.0 / 3;
constexpr double DECANATE = 10;

// The seven vargas of the Saptavargaja Bala, by their place in VargaNames:
// Rasi, Hora, Drekkana, Saptamsa, Navamsa, Dwadasamsa, Trimsamsa.
constexpr std::array<int, 7> SAPTAVARGA = {0, 1, 2, 4, 5, 7, 12};

// The virupas of each dignity in a varga (Brihat Parashara Hora Shastra,
// ch. 27; Raman, ch. III): moolatrikona 45, own sign 30, great friend
// 22.5, friend 15, neutral 7.5, enemy 3.75, great enemy 1.875.
double DignityVirupas(Dignity dignity) {
    switch (dignity) {
        case Dignity::Moolatrikona:
            return 45;
        case Dignity::OwnSign:
            return 30;
        case Dignity::GreatFriend:
            return 22.5;
        case Dignity::Friend:
            return 15;
        case Dignity::Neutral:
            return 7.5;
        case Dignity::Enemy:
            return 3.75;
        case Dignity::GreatEnemy:
            break;
    }
    return 1.875;
}

const char* DignityName(Dignity dignity) {
    switch (dignity) {
        case Dignity::Moolatrikona:
            return "moolatrikona";
        case Dignity::OwnSign:
            return "own sign";
        case Dignity::GreatFriend:
            return "great friend";
        case Dignity::Friend:
            return "friend";
        case Dignity::Neutral:
            return "neutral";
        case Dignity::Enemy:
            return "enemy";
        case Dignity::GreatEnemy:
            break;
    }
    return "great enemy";
}

// One virupa for every three degrees from the point of deep debilitation,
// the arc taken the shorter way round.
BalaWorking Uchcha(int planet, double longitude) {
    const double debilitation = DebilitationPoint(planet);
    const double arc = HALF_CIRCLE - std::abs(AspectAngle(debilitation, longitude) - HALF_CIRCLE);
    return SumWorking(
        {{"longitude", longitude}, {"debilitation point", debilitation}, {"arc", arc}},
        "arc from the point of deep debilitation / 3", SOURCE,
        {{"arc / 3", arc * VIRUPAS_PER_DEGREE}});
}

BalaWorking Saptavargaja(int planet, double longitude, Moolatrikona span,
                         const Relations& relations) {
    std::vector<WorkingFigure> inputs;
    std::vector<WorkingFigure> terms;
    for (const int varga : SAPTAVARGA) {
        const int sign = VargaPartOf(varga, longitude).sign;
        const Dignity dignity = varga == 0 ? RasiDignity(planet, longitude, span, relations)
                                           : VargaDignity(planet, sign, relations);
        const std::string key(VargaNames[static_cast<std::size_t>(varga)].key);
        inputs.push_back({key + " sign", static_cast<double>(sign)});
        terms.push_back({key + " " + std::string(VedicSignNames[static_cast<std::size_t>(sign)]) +
                             ": " + DignityName(dignity),
                         DignityVirupas(dignity)});
    }
    return SumWorking(std::move(inputs),
                      "the dignity in each of the seven vargas: moolatrikona (Rasi only) 45, own "
                      "sign 30, great friend 22.5, friend 15, neutral 7.5, enemy 3.75, great "
                      "enemy 1.875 (compound relations from the Rasi)",
                      SOURCE, std::move(terms));
}

bool IsOddSign(int sign) {
    return sign % 2 == 0;
}

// The Moon and Venus gain 15 in an even sign, the others in an odd one;
// in the Rasi and again in the Navamsa.
BalaWorking Ojayugma(int planet, double longitude) {
    constexpr int NAVAMSA_VARGA = 5;
    const bool wantsEven = planet == Moon || planet == Venus;
    const int rasi = SignOf(longitude);
    const int navamsa = VargaPartOf(NAVAMSA_VARGA, longitude).sign;
    const auto share = [wantsEven](int sign) { return IsOddSign(sign) != wantsEven ? 15.0 : 0.0; };
    return SumWorking(
        {{"Rasi sign", static_cast<double>(rasi)}, {"Navamsa sign", static_cast<double>(navamsa)}},
        wantsEven ? "15 in an even Rasi, 15 in an even Navamsa"
                  : "15 in an odd Rasi, 15 in an odd Navamsa",
        SOURCE, {{"Rasi", share(rasi)}, {"Navamsa", share(navamsa)}});
}

// 60 in a kendra from the Lagna's sign, 30 in a panapara, 15 in an
// apoklima.
BalaWorking Kendradi(double longitude, double lagna) {
    const int house = (SignOf(longitude) - SignOf(lagna) + SIGN_COUNT) % SIGN_COUNT + 1;
    const double virupas = house % 3 == 1 ? 60 : house % 3 == 2 ? 30 : 15;
    return SumWorking({{"house from the Lagna's sign", static_cast<double>(house)}},
                      "kendra 60, panapara 30, apoklima 15", SOURCE, {{"house", virupas}});
}

// Male planets (the Sun, Mars, Jupiter) gain 15 in the first decanate of a
// sign, neuter ones (Mercury, Saturn) in the second, female ones (the
// Moon, Venus) in the third.
BalaWorking Drekkana(int planet, double longitude) {
    const int decanate = static_cast<int>(DegreesInSign(longitude) / DECANATE);
    const int wanted = planet == Sun || planet == Mars || planet == Jupiter ? 0
                       : planet == Mercury || planet == Saturn              ? 1
                                                                            : 2;
    return SumWorking({{"decanate", static_cast<double>(decanate + 1)}},
                      "15 in the decanate of the planet's sex: male 1st, neuter 2nd, female 3rd",
                      SOURCE, {{"decanate", decanate == wanted ? 15.0 : 0.0}});
}

}  // namespace

std::array<SthanaBala, ASPECTING_PLANETS> ComputeSthanaBala(const ShadbalaInputs& inputs,
                                                            const StrengthRules& rules) {
    const Relations relations = CompoundRelations(inputs.longitudes);
    std::array<SthanaBala, ASPECTING_PLANETS> bala{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const double longitude = inputs.longitudes[planet];
        SthanaBala& sthana = bala[planet];
        sthana.uchcha = Uchcha(planet, longitude);
        sthana.saptavargaja = Saptavargaja(planet, longitude, rules.moolatrikona, relations);
        sthana.ojayugma = Ojayugma(planet, longitude);
        sthana.kendradi = Kendradi(longitude, inputs.lagna);
        sthana.drekkana = Drekkana(planet, longitude);
        sthana.virupas = sthana.uchcha.virupas + sthana.saptavargaja.virupas +
                         sthana.ojayugma.virupas + sthana.kendradi.virupas +
                         sthana.drekkana.virupas;
    }
    return bala;
}

}  // namespace sarovin
