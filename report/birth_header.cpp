#include "birth_header.h"

#include <string_view>

#include "list_items.h"
#include "zone_table.h"

namespace sarovin {

namespace {

constexpr std::string_view NAME_SEPARATOR = " — ";
constexpr std::string_view PART_SEPARATOR = ", ";
constexpr std::string_view DAYLIGHT_SAVING_TEXT = "daylight saving";
constexpr std::string_view DEGREE_SIGN = "°";

// At least two digits, as clocks and arc minutes are written.
std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + text : text;
}

std::string AngleText(int degrees, int minutes, char hemisphere) {
    return std::to_string(degrees) + std::string(DEGREE_SIGN) + TwoDigits(minutes) + "' " +
           hemisphere;
}

void AppendPart(std::string& line, std::string_view part) {
    line += PART_SEPARATOR;
    line += part;
}

}  // namespace

std::string BirthHeaderLine(const ReportedReading& reading) {
    const BirthRecord& record = reading.record;
    std::string line;
    if (!record.name.empty()) {
        line += record.name;
        line += NAME_SEPARATOR;
    }
    line += std::to_string(record.day) + " ";
    line += StandardListItems().months.at(static_cast<std::size_t>(record.month - 1));
    line += " " + std::to_string(record.year) + " ";
    line += TwoDigits(record.hour) + ":" + TwoDigits(record.minute);
    AppendPart(line,
               BuildZoneTable().rows.at(static_cast<std::size_t>(reading.zonePosition)).zoneLabel);
    if (record.daylightSaving) {
        AppendPart(line, DAYLIGHT_SAVING_TEXT);
    }
    AppendPart(line, AngleText(record.longitudeDegrees, record.longitudeMinutes,
                               record.isEast ? 'E' : 'W'));
    AppendPart(line, AngleText(record.latitudeDegrees, record.latitudeMinutes,
                               record.isSouth ? 'S' : 'N'));
    for (const std::string* place : {&record.city, &record.state, &record.country}) {
        if (!place->empty()) {
            AppendPart(line, *place);
        }
    }
    return line;
}

}  // namespace sarovin
