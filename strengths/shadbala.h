#pragma once

#include <array>
#include <vector>

#include "strengths/bala_working.h"
#include "strengths/day_lords.h"
#include "strengths/kala_bala.h"
#include "strengths/shadbala_inputs.h"
#include "strengths/sthana_bala.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// A planetary war (Graha Yuddha): two of Mars to Saturn within a degree;
// the winner takes `virupas` of Yuddha Bala from the loser.
struct PlanetaryWar {
    int winner = 0;
    int loser = 0;
    double virupas = 0;

    friend bool operator==(const PlanetaryWar&, const PlanetaryWar&) = default;
};

// One planet's six strengths with their working, their total in virupas
// and rupas, the rupas it needs, their ratio, its place in the order of
// strength (1 the strongest by ratio) and its Ishta and Kashta Phala.
struct PlanetShadbala {
    int planet = 0;
    SthanaBala sthana;
    BalaWorking dig;
    KalaBala kala;
    BalaWorking cheshta;
    BalaWorking naisargika;
    BalaWorking drik;
    double virupas = 0;
    double rupas = 0;
    double requiredRupas = 0;
    double ratio = 0;
    int rank = 0;
    BalaWorking ishta;
    BalaWorking kashta;

    friend bool operator==(const PlanetShadbala&, const PlanetShadbala&) = default;
};

// The Shadbala of the Sun to Saturn (body-slot order) under `rules`, with
// the day it was read from: its lords and any planetary war.
struct Shadbala {
    StrengthRules rules;
    BirthDay day;
    DayLords lords;
    std::vector<PlanetaryWar> wars;
    std::array<PlanetShadbala, ASPECTING_PLANETS> planets{};

    friend bool operator==(const Shadbala&, const Shadbala&) = default;
};

Shadbala ComputeShadbala(const ShadbalaInputs& inputs, const StrengthRules& rules);

}  // namespace sarovin
