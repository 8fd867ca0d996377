#pragma once

#include "engine/birth_record.h"
#include "form/input_form.h"

namespace sarovin {

// Copies the input panel into a birth record in one pass, the zone
// corrections looked up in the zone table, or taken from an exact offset
// in whole minutes when one is typed (the tick then off). A text that is not a 16-bit
// number leaves its field as it was in `previous`.
BirthRecord FillBirthRecord(const InputForm& form, const BirthRecord& previous);

}  // namespace sarovin
