#include "transits/sputa_zones.h"

#include <algorithm>
#include <cmath>

#include "drishti/classical_sputa_drishti.h"

namespace sarovin {

namespace {

constexpr double BAND = 30;
constexpr int BANDS = 12;
constexpr double FULL_CIRCLE = 360;

double Normalized(double angle) {
    const double reduced = std::fmod(angle, FULL_CIRCLE);
    return reduced < 0 ? reduced + FULL_CIRCLE : reduced;
}

// The arc of band `band` at or above `threshold`, if any: the strength
// runs linearly from `first` at the band's start to `last` at its end.
bool BandArc(int band, double first, double last, double threshold,
             std::pair<double, double>& arc) {
    const double start = band * BAND;
    if (first < threshold && last < threshold) {
        return false;
    }
    if (first >= threshold && last >= threshold) {
        arc = {start, start + BAND};
    } else if (first >= threshold) {
        arc = {start, start + BAND * (first - threshold) / (first - last)};
    } else {
        arc = {start + BAND * (threshold - first) / (last - first), start + BAND};
    }
    return true;
}

// Joins arcs that touch, the last with the first over 0 degrees included,
// and drops single angles: every planet's general strength is exactly 45
// at 90 degrees and below it on both sides, which opens no window.
SputaZones Joined(std::vector<std::pair<double, double>> arcs) {
    SputaZones zones;
    for (const auto& arc : arcs) {
        if (!zones.arcs.empty() && zones.arcs.back().second >= arc.first) {
            zones.arcs.back().second = std::max(zones.arcs.back().second, arc.second);
        } else {
            zones.arcs.push_back(arc);
        }
    }
    if (zones.arcs.size() > 1 && zones.arcs.front().first == 0 &&
        zones.arcs.back().second == FULL_CIRCLE) {
        zones.arcs.back().second += zones.arcs.front().second;
        zones.arcs.erase(zones.arcs.begin());
    }
    std::erase_if(zones.arcs, [](const auto& arc) { return arc.first == arc.second; });
    zones.whole = zones.arcs.size() == 1 && zones.arcs.front().first == 0 &&
                  zones.arcs.front().second == FULL_CIRCLE;
    return zones;
}

}  // namespace

bool SputaZones::Contains(double angle) const {
    if (whole) {
        return true;
    }
    return std::any_of(arcs.begin(), arcs.end(), [angle](const std::pair<double, double>& arc) {
        return (angle >= arc.first && angle <= arc.second) ||
               (angle + FULL_CIRCLE >= arc.first && angle + FULL_CIRCLE <= arc.second);
    });
}

double StrengthBelow(int planet, double angle) {
    const double reduced = Normalized(angle);
    const double start =
        reduced == 0 ? FULL_CIRCLE - BAND : BAND * std::ceil(reduced / BAND) - BAND;
    const double first = ClassicalSputaStrength(planet, start);
    const double middle = ClassicalSputaStrength(planet, start + BAND / 2);
    const double slope = 2 * (middle - first) / BAND;
    return first + slope * ((reduced == 0 ? FULL_CIRCLE : reduced) - start);
}

double StrengthReached(int planet, double angle) {
    return std::max(ClassicalSputaStrength(planet, Normalized(angle)),
                    StrengthBelow(planet, angle));
}

SputaZones ZonesAtOrAbove(int planet, double threshold) {
    std::vector<std::pair<double, double>> arcs;
    for (int band = 0; band < BANDS; ++band) {
        const double first = ClassicalSputaStrength(planet, band * BAND);
        const double last = StrengthBelow(planet, (band + 1) * BAND);
        std::pair<double, double> arc;
        if (BandArc(band, first, last, threshold, arc)) {
            arcs.push_back(arc);
        }
    }
    return Joined(std::move(arcs));
}

}  // namespace sarovin
