#include "engine/julian_day.h"

#include <cstdint>

#include "engine/floor_divide.h"

namespace sarovin {

namespace {

constexpr double MINUTES_PER_HOUR = 60.0;
constexpr std::int64_t LAST_JULIAN_DAY = 2299171;
constexpr double J2000_DAY = 2451545.0;
constexpr double DAYS_PER_CENTURY = 36525.0;

}  // namespace

double BirthUniversalTime(const BirthRecord& record) {
    const double localHours = record.hour + record.minute / MINUTES_PER_HOUR;
    double zoneHours = record.zoneHoursAbs + record.zoneMinutesAbs / MINUTES_PER_HOUR;
    double signedLongitude = record.longitudeDegrees + record.longitudeMinutes / MINUTES_PER_HOUR;
    if (record.isEast) {
        signedLongitude = -signedLongitude;
    }
    if (record.daylightSaving) {
        zoneHours = signedLongitude < 0 ? zoneHours + 1 : zoneHours - 1;
    }
    return signedLongitude < 0 ? localHours - zoneHours : localHours + zoneHours;
}

double JulianDayNumber(int month, int day, int year) {
    // Months are counted from March of the year -4800 so that February,
    // the short month, comes last in each counted year.
    const std::int64_t months = 12 * (std::int64_t{year} + 4800) + month - 3;
    const std::int64_t monthInYear = months - 12 * FloorDivide(months, 12);
    const std::int64_t daysToMonth = FloorDivide(365 * months + 7 + 2 * monthInYear, 12);
    std::int64_t dayNumber = day + daysToMonth + FloorDivide(months, 48) - 32083;
    if (dayNumber > LAST_JULIAN_DAY) {
        dayNumber += FloorDivide(months, 4800) - FloorDivide(months, 1200) + 38;
    }
    return static_cast<double>(dayNumber);
}

double CenturiesSinceJ2000(double dayNumber, double universalHours) {
    // The day number counts from noon; -0.5 moves it to the preceding midnight.
    return ((dayNumber - J2000_DAY) + universalHours / 24 - 0.5) / DAYS_PER_CENTURY;
}

}  // namespace sarovin
