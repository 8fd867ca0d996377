#pragma once

#include <string>
#include <string_view>

#include "reading/reading_lines.h"

namespace sarovin {

// The first READING_LINE_COUNT lines of a reading file as stored. A line
// ends at LF, with or without a CR before it; the last line need not be
// ended. Lines past the count are ignored; missing lines stay empty.
ReadingLines SplitReadingLines(std::string_view file);

// The values of a reading file: its lines unscrambled and decoded from
// Windows-1252 to UTF-8.
ReadingLines ReadReadingLines(std::string_view file);

// The value of the 18th line, which a reading with an exact offset from
// Universal Time has (see reading_write.h); empty when there is none.
std::string ReadExactOffsetLine(std::string_view file);

// The value of the 19th line, the given positions a reading keeps (see
// reading_write.h); empty when there is none. Written, the line always
// ends; bytes after the 18th line that never end (a file cut short, or
// not a reading past its birth) are no positions.
std::string ReadGivenPositionsLine(std::string_view file);

// True when `file` ends inside its 18th line, before that line's end: a file
// cut short while the offset was written.
bool EndsInsideExactOffsetLine(std::string_view file);

}  // namespace sarovin
