#pragma once

#include <string_view>
#include <vector>

#include "calculation/birth_strengths.h"
#include "calculation/invalid_lines.h"
#include "calculation/sky.h"
#include "common/result.h"
#include "drishti/drishti_report.h"
#include "engine/birth_record.h"
#include "form/input_form.h"
#include "houses/houses.h"

namespace sarovin {

// One calculation: the birth record filled from the panel, the zone row the
// record's corrections came from, the sky the chosen ephemeris found for the
// record, the three Drishti computed from its body table, the houses when
// the ephemeris gives a Lagna, and the strengths when computed.
struct Calculation {
    BirthRecord record;
    int zonePosition = 0;
    Sky sky;
    DrishtiReport report;
    std::optional<Houses> houses = std::nullopt;
    // The Shadbala and Bhava Bala, with the Swiss Ephemeris under the
    // classical rules.
    std::optional<BirthStrengths> strengths = std::nullopt;

    friend bool operator==(const Calculation&, const Calculation&) = default;
};

// Fills a birth record from `form` (a box that holds no number keeps its
// value from `previous`) and computes it with the chosen ephemeris, without
// the checks.
Result<Calculation> ComputeForm(const InputForm& form, const BirthRecord& previous,
                                const EphemerisChoice& choice);

// Checks `form` as before every calculation and refuses with the first
// failing check; otherwise fills a birth record from it and computes it as
// ComputeForm does.
Result<Calculation> CalculateForm(const InputForm& form, const BirthRecord& previous,
                                  const EphemerisChoice& choice);

// A saved reading put onto a panel: the panel with the reading's lines
// restored onto it, and the calculation of that panel.
struct OpenedReading {
    InputForm form;
    Result<Calculation> calculation;
    // The number lines the panel did not take; none when refused.
    std::vector<InvalidLine> invalid;
};

// Restores the reading `bytes` onto `panel` and calculates it with
// `previous` as the record to fall back on. The window passes its own panel
// and last record; a freshly started window has InputForm{} and
// BirthRecord{}, which is where the report tool opens every reading.
OpenedReading CalculateReading(std::string_view bytes, const InputForm& panel,
                               const BirthRecord& previous, const EphemerisChoice& choice);

}  // namespace sarovin
