#pragma once

#include <array>
#include <optional>

#include "drishti/classical_sputa_drishti.h"
#include "drishti/drik_bala.h"
#include "drishti/drishti_row.h"
#include "drishti/graha_drishti.h"
#include "drishti/rashi_drishti.h"
#include "drishti/rules.h"
#include "drishti/sputa_drishti.h"
#include "engine/body_table.h"

namespace sarovin {

// What the classical rules add: the directional Sputa Drishti in virupas
// and the Drik Bala found from it.
struct ClassicalStrengths {
    ClassicalSputa sputa;
    DrikBala drikBala{};

    friend bool operator==(const ClassicalStrengths&, const ClassicalStrengths&) = default;
};

// The three results one calculation shows, by the rules in force; the
// body table they come from stays with the sky. The Sputa captions serve both rules; under the
// classical rules `classical` holds the strengths shown in place of the
// 1.15 grid.
struct DrishtiReport {
    std::array<DrishtiRow, GRAHA_ROWS> graha;
    std::array<DrishtiRow, RASHI_ROWS> rashi;
    SputaDrishti sputa;
    Rules rules = Rules::Sarovin115;
    std::optional<ClassicalStrengths> classical;

    friend bool operator==(const DrishtiReport&, const DrishtiReport&) = default;
};

DrishtiReport ComputeDrishtiReport(const BodyTable& bodies);

// The report by `rules`; `lagna` is the sidereal ascendant when the
// ephemeris gives one, an aspected point under the classical rules.
DrishtiReport ComputeDrishtiReport(const BodyTable& bodies, Rules rules,
                                   std::optional<double> lagna);

// The engine and the three Drishti computations for one birth record.
DrishtiReport ComputeDrishtiReport(const BirthRecord& record);

}  // namespace sarovin
