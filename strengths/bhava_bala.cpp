#include "strengths/bhava_bala.h"

#include <algorithm>
#include <string>

#include "engine/body_slot.h"
#include "strengths/planet_dignity.h"

namespace sarovin {

namespace {

constexpr const char* SOURCE = "B. V. Raman, Graha and Bhava Balas, ch. IX";
constexpr double VIRUPAS_PER_RUPA = 60;

std::string NameOf(int planet) {
    return std::string(SlotNames[static_cast<std::size_t>(planet)].englishName);
}

BalaWorking Adhipati(int lord, const Shadbala& shadbala) {
    const double virupas = shadbala.planets[lord].virupas;
    return SumWorking({{"lord", static_cast<double>(lord)}}, "the Shadbala of the house's lord",
                      SOURCE, {{NameOf(lord) + "'s Shadbala", virupas}});
}

BalaWorking Drishti(const BhavaDrishtiBala& bala) {
    std::vector<WorkingFigure> terms;
    for (const BhavaDrishtiTerm& term : bala.terms) {
        terms.push_back({NameOf(term.planet), term.term});
    }
    return SumWorking({},
                      "the aspects on the madhya: Mercury's and Jupiter's whole, a quarter of "
                      "the other benefics' added and of the malefics' taken away",
                      SOURCE, std::move(terms));
}

void Rank(BhavaBala& bala) {
    std::array<int, HOUSES> order{};
    for (int house = 0; house < HOUSES; ++house) {
        order[house] = house;
    }
    std::stable_sort(order.begin(), order.end(), [&bala](int left, int right) {
        return bala[left].virupas > bala[right].virupas;
    });
    for (int place = 0; place < HOUSES; ++place) {
        bala[order[place]].rank = place + 1;
    }
}

}  // namespace

BhavaBala ComputeBhavaBala(const Houses& houses, const Shadbala& shadbala) {
    BhavaBala bala{};
    for (int house = 0; house < HOUSES; ++house) {
        const HouseRow& row = houses.list[house];
        HouseBhavaBala& strength = bala[house];
        strength.number = row.number;
        strength.lord = SignLord(row.sign);
        strength.adhipati = Adhipati(strength.lord, shadbala);
        strength.dig =
            SumWorking({{"madhya", row.bounds.madhya},
                        {"strongest house", static_cast<double>(row.digBala.strongestHouse)},
                        {"houses away", static_cast<double>(row.digBala.housesAway)}},
                       "60 in the house where the madhya's sign is strongest, 10 less "
                       "for each house away",
                       SOURCE, {{"Bhava Dig Bala", row.digBala.virupas}});
        strength.drishti = Drishti(row.drishtiBala);
        strength.virupas =
            strength.adhipati.virupas + strength.dig.virupas + strength.drishti.virupas;
        strength.rupas = strength.virupas / VIRUPAS_PER_RUPA;
    }
    Rank(bala);
    return bala;
}

}  // namespace sarovin
