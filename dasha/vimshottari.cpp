#include "dasha/vimshottari.h"

#include <algorithm>
#include <cmath>

#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr int NAKSHATRA_COUNT = 27;
constexpr int MONTHS_PER_YEAR = 12;
// Mahadasha, Antardasha and Pratyantardasha.
constexpr int PERIOD_LEVELS = 3;
// The nine Mahadashas of the cycle and the return of the first, which the
// 120 years from birth reach into.
constexpr int MAHADASHAS_LISTED = DASHA_LORD_COUNT + 1;

// The periods of `count` lords in the cycle's order from `firstLord` (a
// place in DashaLords), starting at `start`, each lasting its years' share
// of `cycleDays`, with `levels` levels; a period reaching `cutoff` is cut
// there and none starting at or after it is listed. Each start is counted
// from `start` afresh, so that the parts of a period add up to it exactly.
std::vector<DashaPeriod> DividePeriod(int firstLord, double start, double cycleDays, int count,
                                      int levels, double cutoff) {
    std::vector<DashaPeriod> periods;
    int yearsBefore = 0;
    for (int step = 0; step < count; ++step) {
        const int place = (firstLord + step) % DASHA_LORD_COUNT;
        const DashaLord& lord = DashaLords[static_cast<std::size_t>(place)];
        const double periodStart = start + cycleDays * yearsBefore / VIMSHOTTARI_YEARS;
        yearsBefore += lord.years;
        const double periodEnd = start + cycleDays * yearsBefore / VIMSHOTTARI_YEARS;
        if (periodStart >= cutoff) {
            break;
        }
        DashaPeriod period{lord.lord, periodStart, std::min(periodEnd, cutoff)};
        if (levels > 1) {
            period.sub = DividePeriod(place, periodStart, periodEnd - periodStart, DASHA_LORD_COUNT,
                                      levels - 1, cutoff);
        }
        periods.push_back(std::move(period));
    }
    return periods;
}

// Whole years, whole months and the rest in days of the year counted in;
// days that round up to a whole month are carried.
DashaBalance SplitBalance(BodySlot lord, double years, double yearDays) {
    DashaBalance balance{lord, static_cast<int>(std::floor(years))};
    const double months = (years - balance.years) * MONTHS_PER_YEAR;
    balance.months = static_cast<int>(std::floor(months));
    const double monthDays = yearDays / MONTHS_PER_YEAR;
    balance.days = static_cast<int>(std::lround((months - balance.months) * monthDays));
    if (balance.days >= std::lround(monthDays)) {
        balance.days = 0;
        ++balance.months;
    }
    if (balance.months == MONTHS_PER_YEAR) {
        balance.months = 0;
        ++balance.years;
    }
    return balance;
}

}  // namespace

Vimshottari ComputeVimshottari(double moonLongitude, double birthJulianDay, DashaYear year) {
    const double reduced = ZodiacDegrees(moonLongitude);
    // Multiplied before dividing, so that a boundary written in degrees and
    // minutes (186°40') falls in the nakshatra it starts, not the one before.
    const double inNakshatras = reduced * NAKSHATRA_COUNT / FULL_CIRCLE;
    const int nakshatra = std::min(static_cast<int>(std::floor(inNakshatras)), NAKSHATRA_COUNT - 1);
    const double elapsedShare = inNakshatras - nakshatra;
    const int firstLord = nakshatra % DASHA_LORD_COUNT;
    const DashaLord& lord = DashaLords[static_cast<std::size_t>(firstLord)];

    Vimshottari dasha;
    dasha.year = year;
    dasha.yearDays = DaysInYear(year);
    dasha.balanceYears = (1 - elapsedShare) * lord.years;
    dasha.balance = SplitBalance(lord.lord, dasha.balanceYears, dasha.yearDays);
    const double cycleDays = VIMSHOTTARI_YEARS * dasha.yearDays;
    const double firstStart = birthJulianDay - elapsedShare * lord.years * dasha.yearDays;
    dasha.periods = DividePeriod(firstLord, firstStart, cycleDays, MAHADASHAS_LISTED, PERIOD_LEVELS,
                                 birthJulianDay + cycleDays);
    return dasha;
}

}  // namespace sarovin
