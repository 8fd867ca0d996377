#include "swiss/sun_day.h"

#include <swephexp.h>

#include <string>

#include "swiss/ephemeris_session.h"

namespace sarovin {

namespace {

constexpr int32 HINDU_EVENT = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
// The files must cover the days searched around the moment.
constexpr double SEARCHED_DAYS = 2;
// A minute: past one event, so the search finds the next.
constexpr double PAST_EVENT = 1.0 / 1440;
// The library's answer when the Sun stays above or below the horizon.
constexpr int32 CIRCUMPOLAR = -2;

// The first sunrise or sunset after `julianDayUt`.
Result<double> NextEvent(double julianDayUt, int32 event, const SwissRequest& request) {
    double place[3] = {request.longitudeDegrees, request.latitudeDegrees, 0};
    double when = 0;
    char error[AS_MAXCH] = "";
    const int32 returned = swe_rise_trans(julianDayUt, SE_SUN, nullptr, SEFLG_SWIEPH,
                                          event | HINDU_EVENT, place, 0, 0, &when, error);
    if (returned == CIRCUMPOLAR) {
        return RefuseWith("The Sun does not rise and set at this place on this day.");
    }
    if (returned == ERR) {
        return RefuseWith(std::string("The Swiss Ephemeris could not find the sunrise: ") + error);
    }
    return when;
}

}  // namespace

Result<SunDay> ComputeSunDay(const SwissRequest& request) {
    const EphemerisFiles& files = PrepareThreadEphemeris();
    if (!files.found) {
        return UnusableFilesRefusal(files);
    }
    const double birth = request.julianDayUt;
    if (!files.Covers(birth - SEARCHED_DAYS) || !files.Covers(birth + SEARCHED_DAYS)) {
        return OutsideFilesRefusal(files);
    }
    // The sunrise within the day before the birth; a day a little longer
    // than 24 hours may have begun before it.
    Result<double> sunrise = NextEvent(birth - 1, SE_CALC_RISE, request);
    if (sunrise && *sunrise > birth) {
        sunrise = NextEvent(birth - 2, SE_CALC_RISE, request);
    }
    if (!sunrise) {
        return sunrise.refusal();
    }
    if (*sunrise > birth) {
        return RefuseWith("The Sun does not rise and set at this place on this day.");
    }
    SunDay day;
    day.sunrise = *sunrise;
    Result<double> next = NextEvent(day.sunrise + PAST_EVENT, SE_CALC_RISE, request);
    while (next && *next <= birth) {
        day.sunrise = *next;
        next = NextEvent(day.sunrise + PAST_EVENT, SE_CALC_RISE, request);
    }
    if (!next) {
        return next.refusal();
    }
    day.nextSunrise = *next;
    const Result<double> sunset = NextEvent(day.sunrise, SE_CALC_SET, request);
    if (!sunset) {
        return sunset.refusal();
    }
    day.sunset = *sunset;
    return day;
}

}  // namespace sarovin
