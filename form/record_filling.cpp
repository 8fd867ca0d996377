#include "form/record_filling.h"

#include <cstdlib>

#include "form/list_items.h"
#include "tables/zone_table.h"
#include "text/trim_spaces.h"
#include "text/whole_number.h"

namespace sarovin {

namespace {

void ConvertInto(std::int16_t& field, std::string_view text) {
    if (const auto value = ParseWholeNumber(text)) {
        field = *value;
    }
}

// The text of the chosen item of a list; empty when nothing is chosen.
std::string_view ChosenItem(const std::vector<std::string>& items, int position) {
    if (position < 0 || position >= static_cast<int>(items.size())) {
        return {};
    }
    return items[static_cast<std::size_t>(position)];
}

}  // namespace

BirthRecord FillBirthRecord(const InputForm& form, const BirthRecord& previous) {
    const ListItems& items = StandardListItems();
    BirthRecord record = previous;
    record.name = form.name;
    record.month = static_cast<std::int16_t>(form.monthPosition + 1);
    ConvertInto(record.day, ChosenItem(items.days, form.dayPosition));
    ConvertInto(record.year, ChosenItem(items.years, form.yearPosition));
    ConvertInto(record.hour, ChosenItem(items.hours, form.hourPosition));
    ConvertInto(record.minute, ChosenItem(items.minutes, form.minutePosition));
    if (form.zonePosition >= 0 && form.zonePosition < ZONE_COUNT) {
        const ZoneRow& zone = BuildZoneTable().rows[static_cast<std::size_t>(form.zonePosition)];
        record.zoneHoursAbs = static_cast<std::int16_t>(std::abs(zone.hoursToUt));
        record.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(zone.minutesToUt));
        record.zoneHoursToUt = static_cast<std::int16_t>(zone.hoursToUt);
        record.zoneMinutesToUt = static_cast<std::int16_t>(zone.minutesToUt);
    }
    ConvertInto(record.longitudeDegrees, form.longitudeDegrees);
    ConvertInto(record.longitudeMinutes, form.longitudeMinutes);
    ConvertInto(record.latitudeDegrees, form.latitudeDegrees);
    ConvertInto(record.latitudeMinutes, form.latitudeMinutes);
    record.isEast = form.longitudeHemisphere == LongitudeHemisphere::East;
    record.isSouth = form.latitudeHemisphere == LatitudeHemisphere::South;
    record.daylightSaving = form.daylightSaving;
    record.city = std::string(TrimSpaces(form.city));
    record.state = std::string(TrimSpaces(form.state));
    record.country = std::string(TrimSpaces(form.country));
    return record;
}

}  // namespace sarovin
