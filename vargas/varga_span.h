#pragma once

#include <array>
#include <optional>

#include "engine/body_table.h"
#include "vargas/varga_rules.h"

namespace sarovin {

// How fast the points of a chart move, in degrees of sidereal longitude per
// minute of time (negative while retrograde): the nine bodies and the
// Lagna when the ephemeris gives one.
struct SkyMotion {
    std::array<double, BODY_COUNT> bodies{};
    std::optional<double> lagna;

    friend bool operator==(const SkyMotion&, const SkyMotion&) = default;
};

// The minutes of birth time before and after the given time for which a
// point keeps its varga sign, moving at its present speed; infinite for a
// point that does not move. An aid to rectifying the birth time.
struct VargaSpan {
    double minutesBefore = 0;
    double minutesAfter = 0;

    friend bool operator==(const VargaSpan&, const VargaSpan&) = default;
};

using VargaSpanRow = std::array<VargaSpan, VARGA_COUNT>;

// The spans of the nine bodies and of the Lagna in every varga.
struct VargaSpans {
    std::array<VargaSpanRow, BODY_COUNT> bodies{};
    std::optional<VargaSpanRow> lagna;

    friend bool operator==(const VargaSpans&, const VargaSpans&) = default;
};

// The span of a point at `longitude` in `part`, moving `degreesPerMinute`:
// the time back to the edge it came through and on to the edge it leaves by.
VargaSpan SpanInPart(const VargaPart& part, double longitude, double degreesPerMinute);

// The spans of every point in every varga, from the sidereal longitudes of
// `bodies` and the Lagna and their speeds.
VargaSpans ComputeVargaSpans(const BodyTable& bodies, std::optional<double> lagna,
                             const SkyMotion& motion);

}  // namespace sarovin
