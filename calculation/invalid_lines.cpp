#include "calculation/invalid_lines.h"

#include <algorithm>
#include <array>

#include "calculation/calculation.h"
#include "form/list_items.h"
#include "tables/zone_table.h"
#include "text/whole_number.h"

namespace sarovin {

namespace {

struct BoxLine {
    ReadingLine line;
    std::string_view field;
    std::string InputForm::*box;
    std::int16_t BirthRecord::*recorded;
};

constexpr std::array<BoxLine, 4> BOX_LINES = {{
    {LONGITUDE_DEGREES_LINE, "longitude degrees", &InputForm::longitudeDegrees,
     &BirthRecord::longitudeDegrees},
    {LONGITUDE_MINUTES_LINE, "longitude minutes", &InputForm::longitudeMinutes,
     &BirthRecord::longitudeMinutes},
    {LATITUDE_DEGREES_LINE, "latitude degrees", &InputForm::latitudeDegrees,
     &BirthRecord::latitudeDegrees},
    {LATITUDE_MINUTES_LINE, "latitude minutes", &InputForm::latitudeMinutes,
     &BirthRecord::latitudeMinutes},
}};

std::string UsedForList(ReadingLine line, const Calculation& calculation) {
    const BirthRecord& record = calculation.record;
    switch (line) {
        case MONTH_LINE:
            return std::string(MonthNameAt(record.month));
        case DAY_LINE:
            return std::to_string(record.day);
        case YEAR_LINE:
            return std::to_string(record.year);
        case HOUR_LINE:
            return std::to_string(record.hour);
        case MINUTE_LINE:
            return std::to_string(record.minute);
        default:
            return "row " + std::to_string(calculation.zonePosition) + " (" +
                   std::string(ZoneLabelAt(calculation.zonePosition)) + ")";
    }
}

}  // namespace

std::vector<InvalidLine> DescribeInvalidLines(const ReadingLines& lines,
                                              const RestoredPanel& restored,
                                              const Calculation& calculation) {
    std::vector<InvalidLine> invalid;
    for (const ListLine& list : READING_LIST_LINES) {
        if (std::ranges::find(restored.untakenLists, list.line) != restored.untakenLists.end()) {
            invalid.push_back({list.field, lines[list.line], UsedForList(list.line, calculation)});
        }
    }
    for (const BoxLine& box : BOX_LINES) {
        if (!ParseWholeNumber(restored.form.*box.box)) {
            invalid.push_back(
                {box.field, lines[box.line], std::to_string(calculation.record.*box.recorded)});
        }
    }
    return invalid;
}

}  // namespace sarovin
