#include "strengths/shadbala.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/body_slot.h"
#include "strengths/cheshta_bala.h"
#include "strengths/dig_bala.h"

namespace sarovin {

namespace {

constexpr const char* SOURCE =
    "B. V. Raman, Graha and Bhava Balas; Brihat Parashara Hora Shastra, ch. 27";
constexpr double VIRUPAS_PER_RUPA = 60;
constexpr double FULL = 60;

// Naisargika Bala, the natural strength: 60 x n / 7, Saturn 1, Mars 2,
// Mercury 3, Jupiter 4, Venus 5, the Moon 6, the Sun 7 (body-slot order).
constexpr std::array<int, ASPECTING_PLANETS> NATURAL_SEVENTHS = {7, 6, 3, 5, 2, 4, 1};

// The rupas each planet needs (Raman, ch. I; Brihat Parashara Hora
// Shastra, ch. 27, which asks 5 of the Sun), body-slot order.
constexpr std::array<double, ASPECTING_PLANETS> RAMAN_REQUIRED = {6.5, 6, 7, 5.5, 5, 6.5, 5};
constexpr double PARASHARA_SUN_REQUIRED = 5;

// The apparent diameters of the discs (Surya Siddhanta, ch. VII, as Raman
// gives them, ch. V) that divide the Yuddha Bala, body-slot order; the
// luminaries never fight.
constexpr std::array<double, ASPECTING_PLANETS> DISC_DIAMETER = {0,   0,     6.6,  16.6,
                                                                 9.4, 190.4, 158.0};
constexpr double WAR_DISTANCE = 1;

BalaWorking Naisargika(int planet) {
    const int sevenths = NATURAL_SEVENTHS[planet];
    return SumWorking({{"sevenths", static_cast<double>(sevenths)}}, "60 x n / 7", SOURCE,
                      {{"60 x n / 7", FULL * sevenths / 7}});
}

BalaWorking Drik(const DrikBalaValue& drik) {
    std::vector<WorkingFigure> terms;
    for (const DrikContribution& term : drik.contributors) {
        const double quarter = term.virupas / 4;
        terms.push_back({std::string(SlotNames[static_cast<std::size_t>(term.planet)].englishName) +
                             (term.benefic ? " (benefic)" : " (malefic)"),
                         term.benefic ? quarter : -quarter});
    }
    return SumWorking({},
                      "a quarter of the aspects of benefics less a quarter of those of malefics",
                      SOURCE, std::move(terms));
}

// Ishta Phala is the square root of Uchcha Bala times Cheshta Bala, Kashta
// Phala that of their shortfalls from 60 (Raman, ch. X); the Sun's Cheshta
// here is its Ayana Bala and the Moon's its Paksha Bala, once each.
void AddPhalas(PlanetShadbala& bala, double cheshta) {
    const double uchcha = bala.sthana.uchcha.virupas;
    const std::vector<WorkingFigure> inputs = {{"Uchcha Bala", uchcha}, {"Cheshta Bala", cheshta}};
    bala.ishta = SumWorking(inputs, "square root of Uchcha x Cheshta",
                            "B. V. Raman, Graha and Bhava Balas, ch. X",
                            {{"root", std::sqrt(uchcha * cheshta)}});
    bala.kashta = SumWorking(inputs, "square root of (60 - Uchcha) x (60 - Cheshta)",
                             "B. V. Raman, Graha and Bhava Balas, ch. X",
                             {{"root", std::sqrt((FULL - uchcha) * (FULL - cheshta))}});
}

double SingleShare(const BalaWorking& working) {
    return working.terms.front().value;
}

// Two of Mars to Saturn within a degree fight; the one whose Sthana, Dig
// and Kala Bala add up to more wins, and the difference of the sums over
// the difference of their discs passes from the loser to the winner
// (Raman, ch. V, Yuddha Bala).
std::vector<PlanetaryWar> FindWars(const ShadbalaInputs& inputs,
                                   const std::array<PlanetShadbala, ASPECTING_PLANETS>& planets) {
    std::vector<PlanetaryWar> wars;
    const auto sum = [&planets](int planet) {
        const PlanetShadbala& bala = planets[planet];
        return bala.sthana.virupas + bala.dig.virupas + bala.kala.virupas;
    };
    for (int first = Mercury; first < ASPECTING_PLANETS; ++first) {
        for (int second = first + 1; second < ASPECTING_PLANETS; ++second) {
            const double angle = AspectAngle(inputs.longitudes[first], inputs.longitudes[second]);
            if (std::min(angle, 360 - angle) >= WAR_DISTANCE) {
                continue;
            }
            const bool firstWins = sum(first) >= sum(second);
            const int winner = firstWins ? first : second;
            const int loser = firstWins ? second : first;
            const double virupas =
                (sum(winner) - sum(loser)) / std::abs(DISC_DIAMETER[winner] - DISC_DIAMETER[loser]);
            wars.push_back({winner, loser, virupas});
        }
    }
    return wars;
}

void ApplyWar(const PlanetaryWar& war, std::array<PlanetShadbala, ASPECTING_PLANETS>& planets) {
    const std::string winner(SlotNames[static_cast<std::size_t>(war.winner)].englishName);
    const std::string loser(SlotNames[static_cast<std::size_t>(war.loser)].englishName);
    const char* source = "B. V. Raman, Graha and Bhava Balas, ch. V";
    KalaBala& won = planets[war.winner].kala;
    KalaBala& lost = planets[war.loser].kala;
    won.yuddha = SumWorking(won.yuddha.inputs, winner + " wins the war with " + loser, source,
                            {{"won from " + loser, war.virupas}});
    lost.yuddha = SumWorking(lost.yuddha.inputs, loser + " loses the war to " + winner, source,
                             {{"lost to " + winner, -war.virupas}});
    won.virupas = KalaTotal(won);
    lost.virupas = KalaTotal(lost);
}

double RequiredRupasOf(int planet, RequiredRupas rules) {
    return planet == Sun && rules == RequiredRupas::Parashara ? PARASHARA_SUN_REQUIRED
                                                              : RAMAN_REQUIRED[planet];
}

void Total(PlanetShadbala& bala, RequiredRupas rules) {
    bala.virupas = bala.sthana.virupas + bala.dig.virupas + bala.kala.virupas +
                   bala.cheshta.virupas + bala.naisargika.virupas + bala.drik.virupas;
    bala.rupas = bala.virupas / VIRUPAS_PER_RUPA;
    bala.requiredRupas = RequiredRupasOf(bala.planet, rules);
    bala.ratio = bala.rupas / bala.requiredRupas;
}

void Rank(std::array<PlanetShadbala, ASPECTING_PLANETS>& planets) {
    std::array<int, ASPECTING_PLANETS> order{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        order[planet] = planet;
    }
    std::stable_sort(order.begin(), order.end(), [&planets](int left, int right) {
        return planets[left].ratio > planets[right].ratio;
    });
    for (int place = 0; place < ASPECTING_PLANETS; ++place) {
        planets[order[place]].rank = place + 1;
    }
}

}  // namespace

Shadbala ComputeShadbala(const ShadbalaInputs& inputs, const StrengthRules& rules) {
    Shadbala shadbala;
    shadbala.rules = rules;
    shadbala.day = inputs.day;
    shadbala.lords = ComputeDayLords(inputs.day);
    const std::array<SthanaBala, ASPECTING_PLANETS> sthana = ComputeSthanaBala(inputs, rules);
    const std::array<BalaWorking, ASPECTING_PLANETS> dig = ComputeDigBala(inputs, rules);
    const std::array<KalaBala, ASPECTING_PLANETS> kala =
        ComputeKalaBala(inputs, shadbala.lords, rules);
    const double sunAyana = SingleShare(kala[Sun].ayana);
    const double moonPaksha = SingleShare(kala[Moon].paksha);
    const std::array<BalaWorking, ASPECTING_PLANETS> cheshta =
        ComputeCheshtaBala(inputs, rules, sunAyana, moonPaksha);
    auto& planets = shadbala.planets;
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        PlanetShadbala& bala = planets[planet];
        bala.planet = planet;
        bala.sthana = sthana[planet];
        bala.dig = dig[planet];
        bala.kala = kala[planet];
        bala.cheshta = cheshta[planet];
        bala.naisargika = Naisargika(planet);
        bala.drik = Drik(inputs.drik[planet]);
    }
    if (rules.yuddha) {
        shadbala.wars = FindWars(inputs, planets);
        for (const PlanetaryWar& war : shadbala.wars) {
            ApplyWar(war, planets);
        }
    }
    for (PlanetShadbala& bala : planets) {
        Total(bala, rules.requiredRupas);
        const double phalaCheshta = bala.planet == Sun    ? sunAyana
                                    : bala.planet == Moon ? moonPaksha
                                                          : bala.cheshta.virupas;
        AddPhalas(bala, phalaCheshta);
    }
    Rank(planets);
    return shadbala;
}

}  // namespace sarovin
