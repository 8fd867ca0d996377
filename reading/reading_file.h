#pragma once

// Saved readings: one person's birth data in a small scrambled text file.
// Writing:   WriteReading(record, zonePosition) gives the file's bytes.
// Opening:   LoadReadingBytes(path), then ReadReadingLines(bytes), then
//            RestoreReading(values, form).

#include "reading/reading_lines.h"
#include "reading/reading_load.h"
#include "reading/reading_restore.h"
#include "reading/reading_split.h"
#include "reading/reading_write.h"
#include "reading/scramble.h"
#include "reading/windows1252.h"
