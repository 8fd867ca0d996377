#pragma once

#include <optional>
#include <string_view>

#include "cli/reading_source.h"
#include "cli/typed_birth.h"
#include "form/input_form.h"

namespace sarovin {

// Stands in for a name or place left empty, for the checks only: a typed
// birth may leave them out, so only the date checks can refuse it.
inline constexpr std::string_view CHECK_STAND_IN = "-";

// The input panel as it would look with `birth` entered.
InputForm FormFromTypedBirth(const TypedBirth& birth);

// The typed birth put on a panel once, checked as the window checks (with
// stand-ins for empty texts) and filled as the window does; empty name and
// place texts stay empty in the record.
Result<ReportedReading> ReadingFromTypedBirth(const TypedBirth& birth,
                                              const EphemerisChoice& choice,
                                              const CalculationScope& scope);

}  // namespace sarovin
