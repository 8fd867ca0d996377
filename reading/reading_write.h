#pragma once

#include <string>
#include <string_view>

#include "engine/birth_record.h"
#include "reading/reading_lines.h"

namespace sarovin {

// The seventeen values a reading stores for `record`, as plain UTF-8 texts:
// numbers in decimal, yes/no as TRUE_TEXT or FALSE_TEXT, and the zone as its
// row in the zone list.
ReadingLines CollectReadingValues(const BirthRecord& record, int zonePosition);

// The 18th value, for a record with an exact offset from Universal Time:
// "+05:45" when typed, "+05:45 Asia/Kathmandu" when the atlas gave it.
std::string ExactOffsetLineValue(const ExactOffset& offset);

// The bytes of the reading file for `record`: each value trimmed of spaces,
// encoded as Windows-1252, scrambled and ended with READING_LINE_END; an
// 18th line, written alike, only when the record has an exact offset, so
// readers that take the first seventeen lines read the row and tick.
std::string WriteReading(const BirthRecord& record, int zonePosition);

// The bytes of WriteReading followed by the given positions (as the report
// tool's --positions spells them) on a 19th line, written alike, with an
// empty 18th line when the record has no exact offset. Readers of 17 or
// 18 lines read the birth as before.
std::string WriteReadingWithPositions(const BirthRecord& record, int zonePosition,
                                      std::string_view positions);

}  // namespace sarovin
