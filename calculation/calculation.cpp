#include "calculation/calculation.h"

#include "form/input_checks.h"
#include "form/record_filling.h"
#include "reading/reading_restore.h"
#include "reading/reading_split.h"

namespace sarovin {

Calculation ComputeForm(const InputForm& form, const BirthRecord& previous) {
    Calculation calculation;
    calculation.record = FillBirthRecord(form, previous);
    calculation.zonePosition = form.zonePosition;
    calculation.report = ComputeDrishtiReport(calculation.record);
    return calculation;
}

Result<Calculation> CalculateForm(const InputForm& form, const BirthRecord& previous) {
    if (std::optional<Refusal> refusal = FirstFailingCheck(form)) {
        return std::move(*refusal);
    }
    return ComputeForm(form, previous);
}

OpenedReading CalculateReading(std::string_view bytes, const InputForm& panel,
                               const BirthRecord& previous) {
    InputForm form = panel;
    RestoreReading(ReadReadingLines(bytes), form);
    Result<Calculation> calculation = CalculateForm(form, previous);
    return {std::move(form), std::move(calculation)};
}

}  // namespace sarovin
