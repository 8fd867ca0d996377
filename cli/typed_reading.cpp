#include "cli/typed_reading.h"

#include "form/input_checks.h"
#include "form/list_items.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

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
    InputForm form;
    form.name = birth.name;
    form.dayPosition = PositionOf(PanelList::Day, birth.day);
    form.monthPosition = PositionOf(PanelList::Month, birth.month);
    form.yearPosition = PositionOf(PanelList::Year, birth.year);
    form.hourPosition = PositionOf(PanelList::Hour, birth.hour);
    form.minutePosition = PositionOf(PanelList::Minute, birth.minute);
    form.zonePosition = PositionOf(PanelList::Zone, birth.zone);
    PutAngle(birth.latitude, form.latitudeDegrees, form.latitudeMinutes);
    PutAngle(birth.longitude, form.longitudeDegrees, form.longitudeMinutes);
    form.latitudeHemisphere = birth.isSouth ? LatitudeHemisphere::South : LatitudeHemisphere::North;
    form.longitudeHemisphere = birth.isEast ? LongitudeHemisphere::East : LongitudeHemisphere::West;
    form.daylightSaving = birth.daylightSaving;
    if (birth.exactOffset) {
        form.utcOffset = UtcOffsetText(birth.exactOffset->seconds);
        form.offsetZone = birth.exactOffset->ianaZone;
    }
    form.city = birth.city;
    form.state = birth.state;
    form.country = birth.country;
    return form;
}

Result<ReportedReading> ReadingFromTypedBirth(const TypedBirth& birth,
                                              const EphemerisChoice& choice,
                                              const CalculationScope& scope) {
    const InputForm form = FormFromTypedBirth(birth);
    if (std::optional<Refusal> refusal = FirstFailingCheck(WithStandIns(form))) {
        return std::move(*refusal);
    }
    Result<Calculation> calculation = ComputeForm(form, BirthRecord{}, choice, scope);
    if (!calculation) {
        return calculation.refusal();
    }
    return ReportedReading{{}, std::move(*calculation), {}};
}

}  // namespace sarovin
