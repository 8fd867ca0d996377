#include "cli/typed_reading.h"

#include "form/input_checks.h"
#include "form/list_items.h"

namespace sarovin {

namespace {

int PositionOfNumber(const std::vector<std::string>& items, int number) {
    return PositionOfItem(items, std::to_string(number));
}

void StandInWhenEmpty(std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        text = std::string(CHECK_STAND_IN);
    }
}

InputForm WithStandIns(InputForm form) {
    StandInWhenEmpty(form.name);
    StandInWhenEmpty(form.city);
    StandInWhenEmpty(form.state);
    StandInWhenEmpty(form.country);
    return form;
}

}  // namespace

InputForm FormFromTypedBirth(const TypedBirth& birth) {
    const ListItems& items = StandardListItems();
    InputForm form;
    form.name = birth.name;
    form.dayPosition = PositionOfNumber(items.days, birth.day);
    // Months are listed by name; the record takes the position plus one.
    form.monthPosition = birth.month - 1;
    form.yearPosition = PositionOfNumber(items.years, birth.year);
    form.hourPosition = PositionOfNumber(items.hours, birth.hour);
    form.minutePosition = PositionOfNumber(items.minutes, birth.minute);
    form.zonePosition = birth.zone;
    form.latitudeDegrees = std::to_string(birth.latitude.degrees);
    form.latitudeMinutes = std::to_string(birth.latitude.minutes);
    form.longitudeDegrees = std::to_string(birth.longitude.degrees);
    form.longitudeMinutes = std::to_string(birth.longitude.minutes);
    form.latitudeHemisphere = birth.isSouth ? LatitudeHemisphere::South : LatitudeHemisphere::North;
    form.longitudeHemisphere = birth.isEast ? LongitudeHemisphere::East : LongitudeHemisphere::West;
    form.daylightSaving = birth.daylightSaving;
    form.city = birth.city;
    form.state = birth.state;
    form.country = birth.country;
    return form;
}

std::optional<Refusal> CheckTypedBirth(const TypedBirth& birth) {
    return FirstFailingCheck(WithStandIns(FormFromTypedBirth(birth)));
}

Result<ReportedReading> ReadingFromTypedBirth(const TypedBirth& birth,
                                              const EphemerisChoice& choice) {
    if (std::optional<Refusal> refusal = CheckTypedBirth(birth)) {
        return std::move(*refusal);
    }
    Result<Calculation> calculation = ComputeForm(FormFromTypedBirth(birth), BirthRecord{}, choice);
    if (!calculation) {
        return calculation.refusal();
    }
    return ReportedReading{{}, std::move(*calculation), {}};
}

}  // namespace sarovin
