#include "swiss/birth_moment.h"

#include <swephexp.h>

#include "engine/floor_divide.h"

namespace sarovin {

namespace {

constexpr std::int64_t DAYLIGHT_SAVING_MINUTES = 60;

double SignedDegrees(int degrees, int minutes, bool negative) {
    const double magnitude = degrees + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

// The seconds to add to the clock time to reach Universal Time: the exact
// offset's when there is one, else the zone row's less the tick's hour.
std::int64_t CorrectionSeconds(const BirthRecord& record) {
    if (record.exactOffset) {
        return -std::int64_t{record.exactOffset->seconds};
    }
    std::int64_t minutes = std::int64_t{record.zoneHoursToUt} * 60 + record.zoneMinutesToUt;
    if (record.daylightSaving) {
        minutes -= DAYLIGHT_SAVING_MINUTES;
    }
    return minutes * 60;
}

}  // namespace

UniversalBirthMoment SwissBirthMoment(const BirthRecord& record) {
    const CivilTime clock{record.year, record.month, record.day, record.hour, record.minute};
    const std::int64_t correction = CorrectionSeconds(record);
    // Whole minutes carry through the calendar; the seconds left (0-59)
    // go into the hours of the Julian day only.
    const std::int64_t minutes = FloorDivide(correction, std::int64_t{60});
    const std::int64_t seconds = correction - minutes * 60;
    const CivilTime universal = AddMinutes(clock, minutes);
    const double hours = universal.hour + universal.minute / 60.0 + seconds / 3600.0;
    return {universal, swe_julday(static_cast<int>(universal.year), universal.month, universal.day,
                                  hours, SE_GREG_CAL)};
}

BirthPlace BirthPlaceDegrees(const BirthRecord& record) {
    return {SignedDegrees(record.latitudeDegrees, record.latitudeMinutes, record.isSouth),
            SignedDegrees(record.longitudeDegrees, record.longitudeMinutes, !record.isEast)};
}

SwissRequest SwissRequestAt(const UniversalBirthMoment& moment, const BirthRecord& record,
                            LunarNode node) {
    const BirthPlace place = BirthPlaceDegrees(record);
    return {moment.julianDayUt, place.latitudeDegrees, place.longitudeDegrees, node};
}

SwissRequest SwissRequestFor(const BirthRecord& record, LunarNode node) {
    return SwissRequestAt(SwissBirthMoment(record), record, node);
}

}  // namespace sarovin
