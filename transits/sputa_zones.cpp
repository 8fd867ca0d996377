#include "transits/sputa_zones.h"

#include <algorithm>
#include <cmath>

#include "drishti/classical_sputa_drishti.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr double BAND = 30;
constexpr int BANDS = 12;

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
    std::vector<std::pair<double, double>> joined;
    for (const auto& arc : arcs) {
        if (!joined.empty() && joined.back().second >= arc.first) {
            joined.back().second = std::max(joined.back().second, arc.second);
        } else {
            joined.push_back(arc);
        }
    }
    if (joined.size() > 1 && joined.front().first == 0 && joined.back().second == FULL_CIRCLE) {
        joined.back().second += joined.front().second;
        joined.erase(joined.begin());
    }
    std::erase_if(joined, [](const auto& arc) { return arc.first == arc.second; });
    SputaZones zones;
    for (const auto& [lower, upper] : joined) {
        zones.arcs.push_back({lower, upper - lower});
    }
    zones.whole = zones.arcs.size() == 1 && zones.arcs.front().length == FULL_CIRCLE;
    return zones;
}

}  // namespace

bool SputaZones::Contains(double angle) const {
    if (whole) {
        return true;
    }
    return std::any_of(arcs.begin(), arcs.end(),
                       [angle](const ZodiacArc& arc) { return arc.Reaches(angle); });
}

double StrengthBelow(int planet, double angle) {
    const double reduced = ZodiacDegrees(angle);
    const double start =
        reduced == 0 ? FULL_CIRCLE - BAND : BAND * std::ceil(reduced / BAND) - BAND;
    const double first = ClassicalSputaStrength(planet, start);
    const double middle = ClassicalSputaStrength(planet, start + BAND / 2);
    const double slope = 2 * (middle - first) / BAND;
    return first + slope * ((reduced == 0 ? FULL_CIRCLE : reduced) - start);
}

double StrengthReached(int planet, double angle) {
    return std::max(ClassicalSputaStrength(planet, ZodiacDegrees(angle)),
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
