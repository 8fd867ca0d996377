#include "calculation/calculation.h"

#include <algorithm>

#include "calculation/birth_houses.h"
#include "calculation/birth_periods.h"
#include "calculation/engine_agreement.h"
#include "calculation/sky_motion.h"
#include "form/input_checks.h"
#include "form/record_filling.h"
#include "reading/reading_load.h"
#include "reading/reading_restore.h"
#include "reading/reading_split.h"

namespace sarovin {

namespace {

std::vector<CalculatedVarga> ComputeScopeVargas(const Sky& sky, const std::vector<int>& vargas) {
    std::vector<CalculatedVarga> charts;
    charts.reserve(vargas.size());
    for (const int varga : vargas) {
        charts.push_back({varga, ComputeVargaChart(varga, sky.bodies, sky.lagna, sky.used.rules)});
    }
    return charts;
}

// The spans need the sky read again either side of the birth; a sky that
// cannot be read there leaves the table without them.
std::optional<VargaSpans> ComputeSpans(const BirthRecord& record, const Sky& sky) {
    const Result<SkyMotion> motion = MeasureSkyMotion(record, sky.used);
    if (!motion) {
        return std::nullopt;
    }
    return ComputeVargaSpans(sky.bodies, sky.lagna, *motion);
}

}  // namespace

CalculationScope EveryVargaWithSpans() {
    CalculationScope scope{.spans = true};
    for (int varga = 0; varga < VARGA_COUNT; ++varga) {
        scope.vargas.push_back(varga);
    }
    return scope;
}

const VargaChart* FindVarga(const Calculation& calculation, int varga) {
    const auto found =
        std::find_if(calculation.vargas.begin(), calculation.vargas.end(),
                     [varga](const CalculatedVarga& chart) { return chart.varga == varga; });
    return found == calculation.vargas.end() ? nullptr : &found->chart;
}

Result<Calculation> CompleteCalculation(const BirthRecord& record, int zonePosition, Sky sky,
                                        const CalculationScope& scope) {
    Calculation calculation;
    calculation.record = record;
    calculation.zonePosition = zonePosition;
    calculation.sky = std::move(sky);
    const Sky& computed = calculation.sky;
    calculation.report = ComputeDrishtiReport(computed.bodies, computed.used.rules, computed.lagna);
    Result<std::optional<Houses>> houses = ComputeBirthHouses(computed);
    if (!houses) {
        return houses.refusal();
    }
    calculation.houses = std::move(*houses);
    calculation.positions = ComputePointPositions(computed, calculation.houses);
    calculation.vargas = ComputeScopeVargas(computed, scope.vargas);
    if (scope.spans) {
        calculation.spans = ComputeSpans(record, computed);
    }
    calculation.strengths = ComputeBirthStrengths(computed, calculation.report, calculation.houses);
    if (scope.dasha) {
        calculation.dasha = ComputeBirthDasha(record, computed, *scope.dasha);
    }
    if (scope.ashtakavarga) {
        calculation.ashtakavarga = ComputeBirthAshtakavarga(computed, *scope.ashtakavarga);
    }
    calculation.precisionWarnings = PrecisionWarnings(record, computed);
    return calculation;
}

Result<Calculation> ComputeRecord(const BirthRecord& record, int zonePosition,
                                  const EphemerisChoice& choice, const CalculationScope& scope) {
    Result<Sky> sky = ComputeSky(record, choice);
    if (!sky) {
        return sky.refusal();
    }
    return CompleteCalculation(record, zonePosition, std::move(*sky), scope);
}

Result<Calculation> ComputeForm(const InputForm& form, const BirthRecord& previous,
                                const EphemerisChoice& choice, const CalculationScope& scope) {
    return ComputeRecord(FillBirthRecord(form, previous), form.zonePosition, choice, scope);
}

Result<Calculation> CalculateForm(const InputForm& form, const BirthRecord& previous,
                                  const EphemerisChoice& choice, const CalculationScope& scope) {
    if (std::optional<Refusal> refusal = FirstFailingCheck(form)) {
        return std::move(*refusal);
    }
    return ComputeForm(form, previous, choice, scope);
}

OpenedReading CalculateReading(std::string_view bytes, const InputForm& panel,
                               const BirthRecord& previous, const EphemerisChoice& choice,
                               const CalculationScope& scope) {
    const ReadingLines lines = ReadReadingLines(bytes);
    RestoredPanel restored = RestoreOntoPanel(lines, panel);
    if (Result<Done> offset = RestoreExactOffsetLine(bytes, restored.form); !offset) {
        return {std::move(restored.form), offset.refusal(), {}};
    }
    EphemerisChoice taken = choice;
    std::optional<GivenPositions> readingGiven;
    if (const std::string positions = ReadGivenPositionsLine(bytes); !positions.empty()) {
        Result<GivenPositions> given = ReadGivenPositions(positions, "the given positions");
        if (!given) {
            return {std::move(restored.form),
                    RefuseWith(std::string(UNREADABLE_READING_MESSAGE) +
                               " Its 19th line: " + given.refusal().message + "."),
                    {}};
        }
        readingGiven = *given;
        taken.ephemeris = Ephemeris::Swiss;
        taken.given = readingGiven;
    }
    Result<Calculation> calculation = CalculateForm(restored.form, previous, taken, scope);
    std::vector<InvalidLine> invalid;
    if (calculation) {
        invalid = DescribeInvalidLines(lines, restored, *calculation);
    }
    return {std::move(restored.form), std::move(calculation), std::move(invalid),
            std::move(readingGiven)};
}

}  // namespace sarovin
