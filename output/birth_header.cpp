#include "output/birth_header.h"

#include <string_view>

#include "form/birth_summary.h"
#include "tables/zone_table.h"
#include "text/angle_text.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr std::string_view NAME_SEPARATOR = " — ";
constexpr std::string_view PART_SEPARATOR = ", ";
constexpr std::string_view DAYLIGHT_SAVING_TEXT = "daylight saving";

void AppendPart(std::string& line, std::string_view part) {
    line += PART_SEPARATOR;
    line += part;
}

}  // namespace

std::string BirthHeaderLine(const ReportedReading& reading) {
    const BirthRecord& record = reading.calculation.record;
    std::string line;
    if (!record.name.empty()) {
        line += PrintableText(record.name);
        line += NAME_SEPARATOR;
    }
    line += BirthMomentText(record);
    AppendPart(line, PrintableText(ZoneUsedText(record, reading.calculation.zonePosition)));
    if (record.daylightSaving) {
        AppendPart(line, DAYLIGHT_SAVING_TEXT);
    }
    AppendPart(line, AngleText(record.longitudeDegrees, record.longitudeMinutes,
                               record.isEast ? 'E' : 'W'));
    AppendPart(line, AngleText(record.latitudeDegrees, record.latitudeMinutes,
                               record.isSouth ? 'S' : 'N'));
    for (const std::string* place : {&record.city, &record.state, &record.country}) {
        if (!place->empty()) {
            AppendPart(line, PrintableText(*place));
        }
    }
    return line;
}

}  // namespace sarovin
