#pragma once

#include <string>

#include "output/reported_reading.h"

namespace sarovin {

enum class OutputFormat { Text, Json, JsonLines };

// One reading in the chosen format, as FormatTextReading or
// FormatJsonReading writes it: indented for JSON, compact for JSON Lines.
std::string FormatReading(const ReportedReading& reading, OutputFormat format);

}  // namespace sarovin
