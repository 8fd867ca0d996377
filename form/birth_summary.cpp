#include "form/birth_summary.h"

#include "form/list_items.h"
#include "tables/zone_table.h"
#include "text/two_digits.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

constexpr int MINUTES_PER_HOUR = 60;
constexpr int SECONDS_PER_MINUTE = 60;

}  // namespace

std::string BirthSummary(const BirthRecord& record) {
    const std::string place = BirthPlaceText(record);
    return record.name + " \u2014 " + BirthMomentText(record) + (place.empty() ? "" : ", " + place);
}

std::string CivilMomentText(const CivilTime& time) {
    return std::to_string(time.day) + " " + std::string(MonthNameAt(time.month)) + " " +
           std::to_string(time.year) + " " + TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

std::string BirthMomentText(const BirthRecord& record) {
    return CivilMomentText({record.year, record.month, record.day, record.hour, record.minute});
}

std::string BirthPlaceText(const BirthRecord& record) {
    std::string line;
    for (const std::string* place : {&record.city, &record.state, &record.country}) {
        if (!place->empty()) {
            line += (line.empty() ? "" : ", ") + *place;
        }
    }
    return line;
}

int UtcOffsetSeconds(const BirthRecord& record) {
    if (record.exactOffset) {
        return record.exactOffset->seconds;
    }
    const int minutesToUt = record.zoneHoursToUt * MINUTES_PER_HOUR + record.zoneMinutesToUt;
    return (-minutesToUt + (record.daylightSaving ? MINUTES_PER_HOUR : 0)) * SECONDS_PER_MINUTE;
}

namespace {

std::string ExactOffsetText(const ExactOffset& offset) {
    const std::string text = "UTC" + UtcOffsetText(offset.seconds);
    if (offset.source == OffsetSource::Atlas) {
        return text + " from the atlas (" + offset.ianaZone + ")";
    }
    return text + " as typed";
}

}  // namespace

std::string ZoneUsedText(const BirthRecord& record, int zonePosition) {
    return record.exactOffset ? ExactOffsetText(*record.exactOffset)
                              : std::string(ZoneLabelAt(zonePosition));
}

std::string OffsetUsedText(const BirthRecord& record, int zonePosition) {
    if (record.exactOffset) {
        return ExactOffsetText(*record.exactOffset);
    }
    return "UTC" + UtcOffsetText(UtcOffsetSeconds(record)) + " from the zone row " +
           std::string(ZoneLabelAt(zonePosition)) +
           (record.daylightSaving ? " and daylight saving" : "");
}

}  // namespace sarovin
