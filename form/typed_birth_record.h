#pragma once

#include "common/result.h"
#include "engine/birth_record.h"
#include "form/typed_birth.h"

namespace sarovin {

// The zone list's position of the birth's zone row.
int ZonePositionOf(const TypedBirth& birth);

// The birth record of a birth typed as numbers, as the panel would fill it
// with the same values chosen and typed; refuses a day its month lacks with
// the panel's own words.
Result<BirthRecord> RecordOfTypedBirth(const TypedBirth& birth);

}  // namespace sarovin
