#pragma once

#include "engine/birth_record.h"
#include "form/input_form.h"

namespace sarovin {

// Copies the input panel into a birth record in one pass, the zone
// corrections looked up in the zone table, or taken from an exact offset
// in whole minutes when one is typed (the tick then off). A text that is not a 16-bit
// number leaves its field as it was in `previous`.
BirthRecord FillBirthRecord(const InputForm& form, const BirthRecord& previous);

// The exact offset the form's box holds, typed or (with its zone) from the
// atlas; none while the box holds no valid offset.
std::optional<ExactOffset> ExactOffsetOf(const InputForm& form);

// Puts the zone on a record: an exact offset in whole minutes when there is
// one, else the zone list's row at `zonePosition` (none on the list leaves
// the record's corrections).
void PutZoneOnRecord(const std::optional<ExactOffset>& exactOffset, int zonePosition,
                     BirthRecord& record);

}  // namespace sarovin
