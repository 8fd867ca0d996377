#pragma once

#include <string>

#include "report/report_options.h"
#include "report/reported_reading.h"

namespace sarovin {

// One reading in the chosen format, as FormatTextReading or
// FormatJsonReading writes it: indented for JSON, compact for JSON Lines.
std::string FormatReading(const ReportedReading& reading, OutputFormat format);

}  // namespace sarovin
