#include "form/record_filling.h"

#include <cmath>
#include <cstdlib>

#include "form/list_items.h"
#include "tables/zone_table.h"
#include "text/trim_spaces.h"
#include "text/utc_offset_text.h"
#include "text/whole_number.h"

namespace sarovin {

namespace {

void ConvertInto(std::int16_t& field, std::string_view text) {
    if (const auto value = ParseWholeNumber(text)) {
        field = *value;
    }
}

// The value of the chosen item of a list; nothing chosen leaves the field.
void TakeChosenValue(std::int16_t& field, PanelList list, int position) {
    if (IsOnList(list, position)) {
        field = static_cast<std::int16_t>(ValueAt(list, position));
    }
}

struct Corrections {
    int hoursToUt;
    int minutesToUt;
};

void TakeCorrections(const Corrections& zone, BirthRecord& record) {
    record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(zone.hoursToUt));
    record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(zone.minutesToUt));
    record.zoneHoursToUt = static_cast<std::int16_t>(zone.hoursToUt);
    record.zoneMinutesToUt = static_cast<std::int16_t>(zone.minutesToUt);
}

// The built-in ephemeris counts zones in whole minutes: an exact offset
// is rounded to the nearest minute (half a minute away from zero) and
// split into hours and minutes of one sign, as the rows are.
Corrections WholeMinutesToUt(int offsetSeconds) {
    const long minutes = -std::lround(offsetSeconds / 60.0);
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

}  // namespace

std::optional<ExactOffset> ExactOffsetOf(const InputForm& form) {
    const std::optional<int> seconds = ParseUtcOffset(form.utcOffset);
    if (!seconds) {
        return std::nullopt;
    }
    if (form.offsetZone.empty()) {
        return ExactOffset{*seconds, OffsetSource::Typed, {}};
    }
    return ExactOffset{*seconds, OffsetSource::Atlas, form.offsetZone};
}

void PutZoneOnRecord(const std::optional<ExactOffset>& exactOffset, int zonePosition,
                     BirthRecord& record) {
    record.exactOffset = exactOffset;
    if (record.exactOffset) {
        TakeCorrections(WholeMinutesToUt(record.exactOffset->seconds), record);
    } else if (IsOnList(PanelList::Zone, zonePosition)) {
        const ZoneRow& zone = BuildZoneTable().rows[static_cast<std::size_t>(zonePosition)];
        TakeCorrections({zone.hoursToUt, zone.minutesToUt}, record);
    }
}

BirthRecord FillBirthRecord(const InputForm& form, const BirthRecord& previous) {
    BirthRecord record = previous;
    record.name = form.name;
    // The month list always has a choice; the record takes its value as is.
    record.month = static_cast<std::int16_t>(ValueAt(PanelList::Month, form.monthPosition));
    TakeChosenValue(record.day, PanelList::Day, form.dayPosition);
    TakeChosenValue(record.year, PanelList::Year, form.yearPosition);
    TakeChosenValue(record.hour, PanelList::Hour, form.hourPosition);
    TakeChosenValue(record.minute, PanelList::Minute, form.minutePosition);
    PutZoneOnRecord(ExactOffsetOf(form), form.zonePosition, record);
    ConvertInto(record.longitudeDegrees, form.longitudeDegrees);
    ConvertInto(record.longitudeMinutes, form.longitudeMinutes);
    ConvertInto(record.latitudeDegrees, form.latitudeDegrees);
    ConvertInto(record.latitudeMinutes, form.latitudeMinutes);
    record.isEast = form.longitudeHemisphere == LongitudeHemisphere::East;
    record.isSouth = form.latitudeHemisphere == LatitudeHemisphere::South;
    record.daylightSaving = form.daylightSaving && !record.exactOffset;
    record.city = std::string(TrimSpaces(form.city));
    record.state = std::string(TrimSpaces(form.state));
    record.country = std::string(TrimSpaces(form.country));
    return record;
}

}  // namespace sarovin
