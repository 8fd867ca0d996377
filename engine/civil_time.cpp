#include "engine/civil_time.h"

#include "engine/floor_divide.h"

namespace sarovin {

namespace {

constexpr std::int64_t MINUTES_PER_DAY = 24 * 60;
constexpr std::int64_t DAYS_PER_ERA = 146097;  // 400 Gregorian years

// Days since 1970-01-01 of a proleptic Gregorian date; the year is counted
// from March so that the leap day falls at its end.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = FloorDivide(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * DAYS_PER_ERA + dayOfEra - 719468;
}

CivilTime CivilFromDays(std::int64_t days, std::int64_t minuteOfDay) {
    days += 719468;
    const std::int64_t era = FloorDivide(days, DAYS_PER_ERA);
    const std::int64_t dayOfEra = days - era * DAYS_PER_ERA;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilTime time;
    time.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    time.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    time.year = yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0);
    time.hour = static_cast<int>(minuteOfDay / 60);
    time.minute = static_cast<int>(minuteOfDay % 60);
    return time;
}

}  // namespace

CivilTime AddMinutes(const CivilTime& time, std::int64_t minutes) {
    const std::int64_t total = DaysFromCivil(time.year, time.month, time.day) * MINUTES_PER_DAY +
                               time.hour * 60 + time.minute + minutes;
    const std::int64_t days = FloorDivide(total, MINUTES_PER_DAY);
    return CivilFromDays(days, total - days * MINUTES_PER_DAY);
}

}  // namespace sarovin
