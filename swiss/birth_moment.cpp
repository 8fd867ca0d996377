#include "swiss/birth_moment.h"

#include <swephexp.h>

namespace sarovin {

namespace {

constexpr std::int64_t DAYLIGHT_SAVING_MINUTES = 60;

double SignedDegrees(int degrees, int minutes, bool negative) {
    const double magnitude = degrees + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace

UniversalBirthMoment SwissBirthMoment(const BirthRecord& record) {
    const CivilTime clock{record.year, record.month, record.day, record.hour, record.minute};
    std::int64_t correction = std::int64_t{record.zoneHoursToUt} * 60 + record.zoneMinutesToUt;
    if (record.daylightSaving) {
        correction -= DAYLIGHT_SAVING_MINUTES;
    }
    const CivilTime universal = AddMinutes(clock, correction);
    const double hours = universal.hour + universal.minute / 60.0;
    return {universal, swe_julday(static_cast<int>(universal.year), universal.month, universal.day,
                                  hours, SE_GREG_CAL)};
}

BirthPlace BirthPlaceDegrees(const BirthRecord& record) {
    return {SignedDegrees(record.latitudeDegrees, record.latitudeMinutes, record.isSouth),
            SignedDegrees(record.longitudeDegrees, record.longitudeMinutes, !record.isEast)};
}

SwissRequest SwissRequestFor(const BirthRecord& record, LunarNode node) {
    const BirthPlace place = BirthPlaceDegrees(record);
    return {SwissBirthMoment(record).julianDayUt, place.latitudeDegrees, place.longitudeDegrees,
            node};
}

}  // namespace sarovin
