#include "cli/typed_reading.h"

#include "form/typed_birth_record.h"

namespace sarovin {

Result<ReportedReading> ReadingFromTypedBirth(const TypedBirth& birth,
                                              const EphemerisChoice& choice,
                                              const CalculationScope& scope) {
    const Result<BirthRecord> record = RecordOfTypedBirth(birth);
    if (!record) {
        return record.refusal();
    }
    Result<Calculation> calculation = ComputeRecord(*record, ZonePositionOf(birth), choice, scope);
    if (!calculation) {
        return calculation.refusal();
    }
    return ReportedReading{{}, std::move(*calculation), {}};
}

}  // namespace sarovin
