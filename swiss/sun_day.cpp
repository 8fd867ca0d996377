#include "swiss/sun_day.h"

#include <swephexp.h>

#include <string>

#include "swiss/ephemeris_session.h"

namespace sarovin {

namespace {

constexpr int32 HINDU_EVENT = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
// Searching from a day and a half before the moment finds the sunrise
// before it at every latitude where the Sun rises daily.
constexpr double SEARCH_BACK_DAYS = 1.5;
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
    if (!files.Covers(request.julianDayUt - SEARCH_BACK_DAYS) ||
        !files.Covers(request.julianDayUt + SEARCH_BACK_DAYS)) {
        return OutsideFilesRefusal(files);
    }
    Result<double> sunrise =
        NextEvent(request.julianDayUt - SEARCH_BACK_DAYS, SE_CALC_RISE, request);
    SunDay day;
    while (sunrise && *sunrise <= request.julianDayUt) {
        day.sunrise = *sunrise;
        sunrise = NextEvent(*sunrise + PAST_EVENT, SE_CALC_RISE, request);
    }
    if (!sunrise) {
        return sunrise.refusal();
    }
    if (day.sunrise == 0) {
        return RefuseWith("The Sun does not rise and set at this place on this day.");
    }
    day.nextSunrise = *sunrise;
    const Result<double> sunset = NextEvent(day.sunrise, SE_CALC_SET, request);
    if (!sunset) {
        return sunset.refusal();
    }
    day.sunset = *sunset;
    return day;
}

}  // namespace sarovin
