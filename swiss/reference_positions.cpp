#include "swiss/reference_positions.h"

#include <swephexp.h>

#include <array>
#include <cmath>

namespace sarovin {

namespace {

constexpr int REFERENCE_BODIES = 7;  // SE_SUN to SE_SATURN, the Moon among them
constexpr double FULL_CIRCLE = 360;

struct ReferenceMoment {
    double julianDayEt;
    // Apparent geocentric tropical longitudes, true equinox of date, in the
    // library's body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
    std::array<double, REFERENCE_BODIES> longitudes;
};

// Seven moments spread over 1800 to 2399, the years the files cover, as
// swetest 2.10.03 gives them from swe-basic-data 4.0-20221111-2
// (swetest -bjJD -p0123456 -fPl -head -eswe -ep). A check by hand: Meeus's
// low-precision solar theory (Astronomical Algorithms, chapter 25) puts the
// Sun at 280.373° at J2000, 0.005° from 280.368°, within its 0.01°.
constexpr std::array<ReferenceMoment, 7> REFERENCE_MOMENTS = {{
    {2378530.5,
     {315.01766120653, 68.16395055458, 295.58659088371, 271.52161274537, 268.23450386942,
      81.56963586234, 126.15137314769}},
    {2415020.0,
     {279.64346314079, 265.29736766354, 258.36290624555, 305.75267442840, 283.48262820836,
      241.03799525144, 267.65859832540}},
    {2451545.0,
     {280.36816558123, 223.31487031433, 271.88812733433, 241.56489519478, 327.96272952233,
      25.25305771034, 40.39567821277}},
    {2488070.0,
     {281.11278648139, 164.41246124421, 288.81628856734, 320.67068950012, 29.72896242038,
      201.25904647555, 205.66037932027}},
    {2524595.0,
     {281.85330989856, 114.39988713865, 301.45253001867, 256.64099218406, 153.31705224328,
      334.63416403495, 328.19486625191}},
    {2561120.0,
     {282.58627824361, 61.25744015296, 270.43362357520, 329.82029034912, 211.50271106746,
      155.86346813143, 126.72090194364}},
    {2597600.5,
     {238.21073751620, 142.48316294274, 260.76831599337, 217.40329904162, 221.06043747838,
      282.50398951459, 262.49613144453}},
}};

// The least angle between two longitudes, in degrees.
double AngleBetween(double a, double b) {
    const double difference = std::fmod(std::fabs(a - b), FULL_CIRCLE);
    return std::fmin(difference, FULL_CIRCLE - difference);
}

bool BodyAgrees(int body, const ReferenceMoment& moment) {
    double position[6] = {};
    char error[AS_MAXCH] = "";
    const int32 returned = swe_calc(moment.julianDayEt, body, SEFLG_SWIEPH, position, error);
    return returned != ERR && (returned & SEFLG_SWIEPH) != 0 &&
           AngleBetween(position[0], moment.longitudes[body]) <= REFERENCE_TOLERANCE_DEGREES;
}

bool MomentAgrees(DataFileKind kind, const ReferenceMoment& moment) {
    if (kind == DataFileKind::Moon) {
        return BodyAgrees(SE_MOON, moment);
    }
    for (int body = SE_SUN; body <= SE_SATURN; ++body) {
        if (body != SE_MOON && !BodyAgrees(body, moment)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool AgreesWithReferencePositions(DataFileKind kind, double startEt, double endEt) {
    int compared = 0;
    for (const ReferenceMoment& moment : REFERENCE_MOMENTS) {
        if (moment.julianDayEt < startEt || moment.julianDayEt >= endEt) {
            continue;
        }
        if (!MomentAgrees(kind, moment)) {
            return false;
        }
        ++compared;
    }
    return compared > 0;
}

}  // namespace sarovin
