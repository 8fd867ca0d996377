#pragma once

// Saved readings: one person's birth data in a small scrambled text file.
// Writing:   WriteReading(record, zonePosition) gives the file's bytes.
// Opening:   LoadReadingBytes(path), then ReadReadingLines(bytes), then
//            RestoreReading(values, form).

#include "reading_lines.h"
#include "reading_load.h"
#include "reading_restore.h"
#include "reading_split.h"
#include "reading_write.h"
#include "scramble.h"
#include "windows1252.h"
