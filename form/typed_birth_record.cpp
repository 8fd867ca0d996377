#include "form/typed_birth_record.h"

#include "form/input_checks.h"
#include "form/list_items.h"
#include "form/record_filling.h"
#include "text/trim_spaces.h"

namespace sarovin {

namespace {

std::int16_t Short(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

int ZonePositionOf(const TypedBirth& birth) {
    return PositionOf(PanelList::Zone, birth.zone);
}

Result<BirthRecord> RecordOfTypedBirth(const TypedBirth& birth) {
    if (std::optional<Refusal> refusal = CalendarRefusal(birth.day, birth.month, birth.year)) {
        return std::move(*refusal);
    }
    BirthRecord record;
    record.name = birth.name;
    record.day = Short(birth.day);
    record.month = Short(birth.month);
    record.year = Short(birth.year);
    record.hour = Short(birth.hour);
    record.minute = Short(birth.minute);
    PutZoneOnRecord(birth.exactOffset, ZonePositionOf(birth), record);
    record.longitudeDegrees = Short(birth.longitude.degrees);
    record.longitudeMinutes = Short(birth.longitude.minutes);
    record.latitudeDegrees = Short(birth.latitude.degrees);
    record.latitudeMinutes = Short(birth.latitude.minutes);
    record.isEast = birth.isEast;
    record.isSouth = birth.isSouth;
    record.daylightSaving = birth.daylightSaving && !record.exactOffset;
    record.city = std::string(TrimSpaces(birth.city));
    record.state = std::string(TrimSpaces(birth.state));
    record.country = std::string(TrimSpaces(birth.country));
    return record;
}

}  // namespace sarovin
