#include "ephemeris/utc_time.h"

#include <cmath>
#include <cstdio>

namespace sarovin {

namespace {

// Julian day of 1970-01-01, 0h UT.
constexpr double UNIX_EPOCH_JULIAN_DAY = 2440587.5;
constexpr long MINUTES_PER_DAY = 1440;

// Days since 1970-01-01 of a Gregorian date (H. Hinnant's days_from_civil).
long DaysFromCivil(long year, long month, long day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The Gregorian date of a day count since 1970-01-01 (civil_from_days).
void CivilFromDays(long days, UtcMinute& minute) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    minute.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    minute.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    minute.year = static_cast<int>(yearOfEra + era * 400 + (minute.month <= 2));
}

long FloorDivide(long value, long divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

double JulianDayOfDate(int year, int month, int day) {
    return UNIX_EPOCH_JULIAN_DAY + static_cast<double>(DaysFromCivil(year, month, day));
}

UtcMinute MinuteOf(double julianDay, int offsetMinutes) {
    const long minutes =
        std::lround((julianDay - UNIX_EPOCH_JULIAN_DAY) * MINUTES_PER_DAY) + offsetMinutes;
    const long days = FloorDivide(minutes, MINUTES_PER_DAY);
    const long inDay = minutes - days * MINUTES_PER_DAY;
    UtcMinute minute;
    CivilFromDays(days, minute);
    minute.hour = static_cast<int>(inDay / 60);
    minute.minute = static_cast<int>(inDay % 60);
    return minute;
}

std::string IsoMinuteText(double julianDay) {
    const UtcMinute minute = MinuteOf(julianDay);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02dZ", minute.year, minute.month,
                  minute.day, minute.hour, minute.minute);
    return text;
}

}  // namespace sarovin
