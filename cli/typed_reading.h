#pragma once

#include "cli/reading_source.h"
#include "form/typed_birth.h"

namespace sarovin {

// The typed birth's record, checked by the panel's date rules, computed as
// the window computes its panel; empty name and place texts stay empty.
Result<ReportedReading> ReadingFromTypedBirth(const TypedBirth& birth,
                                              const EphemerisChoice& choice,
                                              const CalculationScope& scope);

}  // namespace sarovin
