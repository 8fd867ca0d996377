#include "swiss/sun_day.h"

#include <swephexp.h>

#include <cmath>
#include <optional>
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

constexpr double DEGREES = 180 / 3.14159265358979323846;
// Beyond this |cos| of the hour angle at the horizon the Sun grazes it,
// and the search is left to the library.
constexpr double GRAZING = 0.95;
// The Sun's hour angle turns about 360 degrees a day.
constexpr double HOUR_ANGLE_PER_DAY = 360;
// Close enough: a tenth of a second, in days.
constexpr double CONVERGED = 0.1 / 86400;
constexpr int MOST_STEPS = 6;

double Wrapped(double degrees, double from) {
    return degrees - 360 * std::floor((degrees - from) / 360);
}

// The Sun's hour angle and the hour angle at which its centre meets the
// horizon, topocentric, without refraction (degrees); none where it grazes
// the horizon or the library fails.
struct HourAngles {
    double now = 0;
    double horizon = 0;
};

std::optional<HourAngles> SunHourAngles(double julianDayUt, const SwissRequest& request) {
    double equatorial[6] = {};
    char error[AS_MAXCH] = "";
    if (swe_calc_ut(julianDayUt, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_TOPOCTR,
                    equatorial, error) < 0) {
        return std::nullopt;
    }
    const double latitude = request.latitudeDegrees / DEGREES;
    const double declination = equatorial[1] / DEGREES;
    const double cosine = -std::tan(latitude) * std::tan(declination);
    if (std::abs(cosine) > GRAZING) {
        return std::nullopt;
    }
    const double sidereal = swe_sidtime(julianDayUt) * 15;
    return HourAngles{Wrapped(sidereal + request.longitudeDegrees - equatorial[0], -180),
                      std::acos(cosine) * DEGREES};
}

// The first sunrise or sunset after `julianDayUt` in closed form: where
// the Sun's hour angle meets the horizon's, from its declination (cos H0 =
// -tan(latitude) tan(declination)), each step taking the Sun's place at the
// last estimate. None where the Sun grazes the horizon, which the
// library's search then finds.
std::optional<double> ClosedFormEvent(double julianDayUt, int32 event,
                                      const SwissRequest& request) {
    const auto target = [event](const HourAngles& angles) {
        return event == SE_CALC_RISE ? -angles.horizon : angles.horizon;
    };
    std::optional<HourAngles> angles = SunHourAngles(julianDayUt, request);
    if (!angles) {
        return std::nullopt;
    }
    double when = julianDayUt + Wrapped(target(*angles) - angles->now, 0) / HOUR_ANGLE_PER_DAY;
    for (int step = 0; step < MOST_STEPS; ++step) {
        angles = SunHourAngles(when, request);
        if (!angles) {
            return std::nullopt;
        }
        const double correction = Wrapped(target(*angles) - angles->now, -180) / HOUR_ANGLE_PER_DAY;
        when += correction;
        if (std::abs(correction) < CONVERGED) {
            return when > julianDayUt && when < julianDayUt + 1.1 ? std::optional(when)
                                                                  : std::nullopt;
        }
    }
    return std::nullopt;
}

// The first sunrise or sunset after `julianDayUt`: in closed form where it
// can be, otherwise by the library's search.
Result<double> NextEvent(double julianDayUt, int32 event, const SwissRequest& request) {
    if (const std::optional<double> when = ClosedFormEvent(julianDayUt, event, request)) {
        return *when;
    }
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
    double place[3] = {request.longitudeDegrees, request.latitudeDegrees, 0};
    swe_set_topo(place[0], place[1], place[2]);
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
