#include "vargas/varga_span.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

VargaSpanRow SpanRow(double longitude, double degreesPerMinute) {
    VargaSpanRow row;
    for (int varga = 0; varga < VARGA_COUNT; ++varga) {
        row[varga] = SpanInPart(VargaPartOf(varga, longitude), longitude, degreesPerMinute);
    }
    return row;
}

}  // namespace

VargaSpan SpanInPart(const VargaPart& part, double longitude, double degreesPerMinute) {
    if (degreesPerMinute == 0) {
        constexpr double STILL = std::numeric_limits<double>::infinity();
        return {STILL, STILL};
    }
    // The part's edges measured from the point; the point may be given as
    // a full turn more or less than the part.
    const double sinceStart = std::remainder(longitude - part.start, FULL_CIRCLE);
    const double untilEnd = (part.end - part.start) - sinceStart;
    const double speed = std::fabs(degreesPerMinute);
    const double behind = std::max(sinceStart, 0.0) / speed;
    const double ahead = std::max(untilEnd, 0.0) / speed;
    return degreesPerMinute > 0 ? VargaSpan{behind, ahead} : VargaSpan{ahead, behind};
}

VargaSpans ComputeVargaSpans(const BodyTable& bodies, std::optional<double> lagna,
                             const SkyMotion& motion) {
    VargaSpans spans;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        spans.bodies[slot] = SpanRow(bodies.entries[slot].longitude, motion.bodies[slot]);
    }
    if (lagna && motion.lagna) {
        spans.lagna = SpanRow(*lagna, *motion.lagna);
    }
    return spans;
}

}  // namespace sarovin
