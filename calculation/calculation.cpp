#include "calculation/calculation.h"

#include "calculation/birth_houses.h"
#include "form/input_checks.h"
#include "form/record_filling.h"
#include "reading/reading_restore.h"
#include "reading/reading_split.h"

namespace sarovin {

Result<Calculation> ComputeForm(const InputForm& form, const BirthRecord& previous,
                                const EphemerisChoice& choice) {
    Calculation calculation;
    calculation.record = FillBirthRecord(form, previous);
    calculation.zonePosition = form.zonePosition;
    Result<Sky> sky = ComputeSky(calculation.record, choice);
    if (!sky) {
        return sky.refusal();
    }
    calculation.sky = std::move(*sky);
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies, calculation.sky.used.rules,
                                              calculation.sky.lagna);
    Result<std::optional<Houses>> houses = ComputeBirthHouses(calculation.sky);
    if (!houses) {
        return houses.refusal();
    }
    calculation.houses = std::move(*houses);
    return calculation;
}

Result<Calculation> CalculateForm(const InputForm& form, const BirthRecord& previous,
                                  const EphemerisChoice& choice) {
    if (std::optional<Refusal> refusal = FirstFailingCheck(form)) {
        return std::move(*refusal);
    }
    return ComputeForm(form, previous, choice);
}

OpenedReading CalculateReading(std::string_view bytes, const InputForm& panel,
                               const BirthRecord& previous, const EphemerisChoice& choice) {
    const ReadingLines lines = ReadReadingLines(bytes);
    RestoredPanel restored = RestoreOntoPanel(lines, panel);
    if (Result<Done> offset = RestoreExactOffsetLine(bytes, restored.form); !offset) {
        return {std::move(restored.form), offset.refusal(), {}};
    }
    Result<Calculation> calculation = CalculateForm(restored.form, previous, choice);
    std::vector<InvalidLine> invalid;
    if (calculation) {
        invalid = DescribeInvalidLines(lines, restored, *calculation);
    }
    return {std::move(restored.form), std::move(calculation), std::move(invalid)};
}

}  // namespace sarovin
