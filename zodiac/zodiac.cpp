#include "zodiac/zodiac.h"

#include <algorithm>
#include <cmath>

namespace sarovin {

// fmod keeps the sign of its argument, and a tiny negative angle plus 360
// rounds to 360 itself: both are brought into [0, 360).
double ZodiacDegrees(double degrees) {
    const double reduced = std::fmod(degrees, FULL_CIRCLE);
    if (reduced < 0) {
        const double turned = reduced + FULL_CIRCLE;
        return turned < FULL_CIRCLE ? turned : 0;
    }
    return reduced;
}

int SignOf(double longitude) {
    return std::min(static_cast<int>(ZodiacDegrees(longitude) / SIGN_WIDTH), SIGN_COUNT - 1);
}

double DegreesInSign(double longitude) {
    return ZodiacDegrees(longitude) - SignOf(longitude) * SIGN_WIDTH;
}

double ZodiacArc::End() const {
    return ZodiacDegrees(start + length);
}

bool ZodiacArc::Contains(double longitude) const {
    return ZodiacDegrees(longitude - start) < length;
}

bool ZodiacArc::Reaches(double longitude) const {
    return ZodiacDegrees(longitude - start) <= length;
}

ZodiacArc ArcFromTo(double start, double end) {
    return {ZodiacDegrees(start), ZodiacDegrees(end - start)};
}

}  // namespace sarovin
