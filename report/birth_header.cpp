#include "report/birth_header.h"

#include <string_view>

#include "form/list_items.h"
#include "tables/zone_table.h"

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

// A text from a reading file, with every control character (which could
// break the line or steer a terminal) shown as '?'.
std::string PrintableText(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        const bool c1Control = byte == 0xC2 && index + 1 < text.size() &&
                               static_cast<unsigned char>(text[index + 1]) >= 0x80 &&
                               static_cast<unsigned char>(text[index + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F) {
            printable += '?';
        } else if (c1Control) {
            printable += '?';
            ++index;
        } else {
            printable += text[index];
        }
    }
    return printable;
}

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
    line += std::to_string(record.day) + " ";
    line += MonthNameAt(record.month);
    line += " " + std::to_string(record.year) + " ";
    line += TwoDigits(record.hour) + ":" + TwoDigits(record.minute);
    AppendPart(line, ZoneLabelAt(reading.calculation.zonePosition));
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
