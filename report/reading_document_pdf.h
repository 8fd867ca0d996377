#pragma once

#include <QString>
#include <span>

#include "report/reading_document.h"

namespace sarovin {

// Writes the readings' pages as an A4 PDF file at `path`. The file is
// written beside the target and takes its place only when complete, so a
// failure leaves any older file as it was; false then.
bool SaveReadingPdf(const QString& path, std::span<const DocumentReading> readings);

}  // namespace sarovin
