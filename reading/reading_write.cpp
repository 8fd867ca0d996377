#include "reading/reading_write.h"

#include "reading/scramble.h"
#include "reading/windows1252.h"
#include "text/trim_spaces.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

std::string FlagText(bool flag) {
    return std::string(flag ? TRUE_TEXT : FALSE_TEXT);
}

}  // namespace

ReadingLines CollectReadingValues(const BirthRecord& record, int zonePosition) {
    ReadingLines values;
    values[NAME_LINE] = record.name;
    values[MONTH_LINE] = std::to_string(record.month);
    values[DAY_LINE] = std::to_string(record.day);
    values[YEAR_LINE] = std::to_string(record.year);
    values[HOUR_LINE] = std::to_string(record.hour);
    values[MINUTE_LINE] = std::to_string(record.minute);
    values[ZONE_LINE] = std::to_string(zonePosition);
    values[LONGITUDE_DEGREES_LINE] = std::to_string(record.longitudeDegrees);
    values[LONGITUDE_MINUTES_LINE] = std::to_string(record.longitudeMinutes);
    values[LATITUDE_DEGREES_LINE] = std::to_string(record.latitudeDegrees);
    values[LATITUDE_MINUTES_LINE] = std::to_string(record.latitudeMinutes);
    values[IS_EAST_LINE] = FlagText(record.isEast);
    values[IS_SOUTH_LINE] = FlagText(record.isSouth);
    values[DAYLIGHT_SAVING_LINE] = FlagText(record.daylightSaving);
    values[CITY_LINE] = record.city;
    values[STATE_LINE] = record.state;
    values[COUNTRY_LINE] = record.country;
    return values;
}

std::string ExactOffsetLineValue(const ExactOffset& offset) {
    std::string value = UtcOffsetText(offset.seconds);
    if (offset.source == OffsetSource::Atlas) {
        value += " " + offset.ianaZone;
    }
    return value;
}

namespace {

void WriteLine(std::string& file, std::string_view value) {
    file += ScrambleText(EncodeWindows1252(TrimSpaces(value)));
    file += READING_LINE_END;
}

}  // namespace

std::string WriteReading(const BirthRecord& record, int zonePosition) {
    std::string file;
    const auto writeLine = [&file](const std::string& value) { WriteLine(file, value); };
    for (const std::string& value : CollectReadingValues(record, zonePosition)) {
        writeLine(value);
    }
    if (record.exactOffset) {
        writeLine(ExactOffsetLineValue(*record.exactOffset));
    }
    return file;
}

std::string WriteReadingWithPositions(const BirthRecord& record, int zonePosition,
                                      std::string_view positions) {
    std::string file = WriteReading(record, zonePosition);
    if (!record.exactOffset) {
        WriteLine(file, {});
    }
    WriteLine(file, positions);
    return file;
}

}  // namespace sarovin
