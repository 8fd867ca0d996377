#include "strengths/day_lords.h"

#include <array>
#include <cmath>

#include "engine/body_slot.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr int WEEK = 7;
constexpr double HOURS_PER_DAY = 24;

// The days elapsed from Creation to 1 January 1860 by the Surya Siddhanta,
// as E. Burgess gives them in his translation (notes to ch. I): a count
// whose remainder by 7 names the weekday with 1 for Sunday, so that
// Creation fell on a Sunday. Brihat Parashara Hora Shastra (ch. 27) counts
// the lords of the year and the month from this day count.
constexpr std::int64_t AHARGANA_1860 = 714404108573;
// The Julian day number of 1 January 1860.
constexpr std::int64_t JULIAN_DAY_1860 = 2400411;
// A year of the count is 360 days, a month 30 (Brihat Parashara Hora
// Shastra, ch. 27: the year's lord is the lord of its first day).
constexpr std::int64_t YEAR_DAYS = 360;
constexpr std::int64_t MONTH_DAYS = 30;

// The weekday lords from Sunday.
constexpr std::array<int, WEEK> WEEKDAY_LORDS = {Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn};
// The lords of the planetary hours in the order they follow one another,
// slowest first; the first hour of a day is its weekday lord's.
constexpr std::array<int, WEEK> HORA_ORDER = {Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon};

// The weekday (0 is Sunday) of day `count` of the count from Creation.
int WeekdayOfCount(std::int64_t count) {
    return static_cast<int>((count - 1) % WEEK);
}

int HoraLord(int weekdayLord, int hour) {
    int start = 0;
    while (HORA_ORDER[static_cast<std::size_t>(start)] != weekdayLord) {
        ++start;
    }
    return HORA_ORDER[static_cast<std::size_t>((start + hour) % WEEK)];
}

}  // namespace

DayLords ComputeDayLords(const BirthDay& day) {
    const double localSunrise = day.sunrise + day.placeLongitude / FULL_CIRCLE;
    const auto dayNumber = static_cast<std::int64_t>(std::floor(localSunrise + 0.5));
    DayLords lords;
    lords.ahargana = AHARGANA_1860 + (dayNumber - JULIAN_DAY_1860);
    lords.weekday = WeekdayOfCount(lords.ahargana);
    const std::int64_t yearStart = lords.ahargana / YEAR_DAYS * YEAR_DAYS + 1;
    const std::int64_t monthStart = lords.ahargana / MONTH_DAYS * MONTH_DAYS + 1;
    lords.yearLord = WEEKDAY_LORDS[static_cast<std::size_t>(WeekdayOfCount(yearStart))];
    lords.monthLord = WEEKDAY_LORDS[static_cast<std::size_t>(WeekdayOfCount(monthStart))];
    lords.weekdayLord = WEEKDAY_LORDS[static_cast<std::size_t>(lords.weekday)];
    lords.hour = static_cast<int>(std::floor((day.birth - day.sunrise) * HOURS_PER_DAY));
    lords.horaLord = HoraLord(lords.weekdayLord, lords.hour);
    return lords;
}

}  // namespace sarovin
