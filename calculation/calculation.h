#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ashtakavarga/ashtakavarga.h"
#include "calculation/birth_strengths.h"
#include "calculation/invalid_lines.h"
#include "calculation/point_positions.h"
#include "calculation/sky.h"
#include "common/result.h"
#include "dasha/vimshottari.h"
#include "drishti/drishti_report.h"
#include "engine/birth_record.h"
#include "form/input_form.h"
#include "houses/houses.h"
#include "vargas/varga_chart.h"
#include "vargas/varga_span.h"

namespace sarovin {

// What a calculation computes beyond the reading itself: the varga charts
// asked for (places in VargaNames, in that order) and whether the spans of
// every point in every varga are wanted. The window shows all sixteen charts
// and the spans; the tool computes only the charts its options name. The
// Vimshottari periods are counted in the year named, and the Ashtakavarga
// read from the tables named, each only when named.
struct CalculationScope {
    std::vector<int> vargas{};
    bool spans = false;
    std::optional<DashaYear> dasha{};
    std::optional<AshtakavargaTables> ashtakavarga{};

    friend bool operator==(const CalculationScope&, const CalculationScope&) = default;
};

// The sixteen charts and their spans, as the window shows them.
CalculationScope EveryVargaWithSpans();

// A varga chart computed by a calculation, by its place in VargaNames.
struct CalculatedVarga {
    int varga = 0;
    VargaChart chart;

    friend bool operator==(const CalculatedVarga&, const CalculatedVarga&) = default;
};

// One calculation: the birth record filled from the panel, the zone row the
// record's corrections came from, the sky the chosen ephemeris found for the
// record, the three Drishti computed from its body table, the houses when
// the ephemeris gives a Lagna, the varga charts of the scope under the same
// rules, the strengths when computed, and, for the built-in ephemeris, the
// bodies the Swiss Ephemeris puts in another sign. Every view shows these
// and computes none of them.
struct Calculation {
    BirthRecord record;
    int zonePosition = 0;
    Sky sky;
    DrishtiReport report;
    std::optional<Houses> houses = std::nullopt;
    // The Lagna, the nine bodies and, with houses, the MC, each with its
    // nakshatra, pada, lord, house and daily motion.
    std::vector<PointPosition> positions{};
    std::vector<CalculatedVarga> vargas{};
    // The time each point keeps its varga sign; none unless the scope asks
    // for them or when the sky around the birth could not be read.
    std::optional<VargaSpans> spans = std::nullopt;
    std::vector<std::string> precisionWarnings{};
    // The Shadbala and Bhava Bala, with the Swiss Ephemeris under the
    // classical rules.
    std::optional<BirthStrengths> strengths = std::nullopt;
    // The Vimshottari periods from the Moon, when the scope names a year;
    // the Ashtakavarga, when it names the tables and the sky has a Lagna.
    std::optional<Vimshottari> dasha = std::nullopt;
    std::optional<Ashtakavarga> ashtakavarga = std::nullopt;

    friend bool operator==(const Calculation&, const Calculation&) = default;
};

// The chart of the varga at `varga` in VargaNames, when the calculation's
// scope asked for it.
const VargaChart* FindVarga(const Calculation& calculation, int varga);

// Everything a calculation holds, from a record and the sky the chosen
// ephemeris found for it.
Result<Calculation> CompleteCalculation(const BirthRecord& record, int zonePosition, Sky sky,
                                        const CalculationScope& scope);

// Computes a filled birth record with the chosen ephemeris; `zonePosition`
// is the zone list's row it was filled from.
Result<Calculation> ComputeRecord(const BirthRecord& record, int zonePosition,
                                  const EphemerisChoice& choice, const CalculationScope& scope);

// Fills a birth record from `form` (a box that holds no number keeps its
// value from `previous`) and computes it with the chosen ephemeris, without
// the checks.
Result<Calculation> ComputeForm(const InputForm& form, const BirthRecord& previous,
                                const EphemerisChoice& choice, const CalculationScope& scope);

// Checks `form` as before every calculation and refuses with the first
// failing check; otherwise fills a birth record from it and computes it as
// ComputeForm does.
Result<Calculation> CalculateForm(const InputForm& form, const BirthRecord& previous,
                                  const EphemerisChoice& choice, const CalculationScope& scope);

// A saved reading put onto a panel: the panel with the reading's lines
// restored onto it, and the calculation of that panel.
struct OpenedReading {
    InputForm form;
    Result<Calculation> calculation;
    // The number lines the panel did not take; none when refused.
    std::vector<InvalidLine> invalid;
    // The positions the reading gives, which it was calculated with.
    std::optional<GivenPositions> given = std::nullopt;
};

// Restores the reading `bytes` onto `panel` and calculates it with
// `previous` as the record to fall back on; a reading that gives positions
// is calculated from them with the Swiss Ephemeris, and a malformed line
// of them refuses it. The window passes its own panel
// and last record; a freshly started window has InputForm{} and
// BirthRecord{}, which is where the report tool opens every reading.
OpenedReading CalculateReading(std::string_view bytes, const InputForm& panel,
                               const BirthRecord& previous, const EphemerisChoice& choice,
                               const CalculationScope& scope);

}  // namespace sarovin
