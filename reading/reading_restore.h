#pragma once

#include <string_view>

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
// offset, and the atlas's zone after a space when it came from there. A
// value that is not an offset (an empty line, or whatever an older file
// holds after its 17 lines) leaves no exact offset, as readers of 17 lines
// would. The zone is then as the file says.
void RestoreExactOffset(std::string_view value, InputForm& form);

}  // namespace sarovin
