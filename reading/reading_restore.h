#pragma once

#include <string_view>

#include "common/result.h"
#include "form/input_form.h"
#include "reading/reading_lines.h"

namespace sarovin {

// Puts the values of a reading (as ReadReadingLines gives them) into the
// input panel, line by line. Each line stands alone: a value that does not
// fit its control leaves that control as it was and the following lines are
// still restored.
//  - name, city, state and country take their texts as they are;
//  - month (1-12) and zone row (0 to ZONE_COUNT - 1) are read as numbers;
//  - day, year, hour and minute choose the list item of exactly that text;
//  - degree and minute boxes take at most DEGREE_BOX_LENGTH characters;
//  - a yes/no value is no only for "False" (any case) or a number equal to
//    zero; anything else, an empty line too, counts as yes.
void RestoreReading(const ReadingLines& values, InputForm& form);

// Puts the 18th value of a reading (ReadExactOffsetLine) on the panel: the
// offset, and the atlas's zone after a space when it came from there. An
// empty value (a file of 17 lines) leaves no exact offset, as readers of 17
// lines would, and the zone is then as the file says. Any other value that
// is not an offset leaves none either and is refused: the zone row beside an
// offset from the atlas is only a stand-in, and a birth computed with it
// would be hours off.
Result<Done> RestoreExactOffset(std::string_view value, InputForm& form);

// Restores the 18th line of the reading `file` as RestoreExactOffset does,
// and refuses a file that ends inside that line.
Result<Done> RestoreExactOffsetLine(std::string_view file, InputForm& form);

}  // namespace sarovin
