#include "output/reading_format.h"

#include "output/json_report.h"
#include "output/text_report.h"

namespace sarovin {

std::string FormatReading(const ReportedReading& reading, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json:
            return FormatJsonReading(reading, JsonLayout::Indented);
        case OutputFormat::JsonLines:
            return FormatJsonReading(reading, JsonLayout::Compact);
        case OutputFormat::Text:
            break;
    }
    return FormatTextReading(reading);
}

}  // namespace sarovin
