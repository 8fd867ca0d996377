#include "calculation/point_positions.h"

#include <array>
#include <cstdio>
#include <utility>

#include "dasha/vimshottari.h"
#include "swiss/house_cusps.h"

namespace sarovin {

namespace {

// The midheaven of a sky with a Lagna: the given one, or the library's for
// the birth's moment and place (Porphyry's cusps hold it at every
// latitude, whatever the house system).
std::optional<double> MidheavenOf(const Sky& sky) {
    if (sky.used.given) {
        return sky.used.given->midheaven;
    }
    if (!sky.swissRequest) {
        return std::nullopt;
    }
    const Result<SwissCusps> cusps = ComputeSwissCusps(*sky.swissRequest, CuspSystem::Porphyry);
    return cusps ? std::optional<double>(cusps->midheaven) : std::nullopt;
}

PointPosition AnglePosition(std::string name, double longitude,
                            const std::optional<Houses>& houses) {
    PointPosition point;
    point.name = std::move(name);
    point.longitude = longitude;
    point.nakshatra = NakshatraOf(longitude);
    point.lord = NakshatraLord(point.nakshatra.nakshatra);
    if (houses) {
        HouseFrame frame{};
        for (int house = 0; house < HOUSES; ++house) {
            frame[house] = houses->list[house].bounds;
        }
        point.house = HouseIndexOf(longitude, frame) + 1;
    }
    return point;
}

}  // namespace

std::string DailyMotionText(double degrees) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%+.4f", degrees);
    return text.data();
}

BodySlot NakshatraLord(int nakshatra) {
    return DashaLords[static_cast<std::size_t>(nakshatra % DASHA_LORD_COUNT)].lord;
}

std::vector<PointPosition> ComputePointPositions(const Sky& sky,
                                                 const std::optional<Houses>& houses) {
    std::vector<PointPosition> points;
    if (sky.lagna) {
        points.push_back(AnglePosition("Lagna", *sky.lagna, houses));
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const BodyEntry& entry = sky.bodies.entries[slot];
        PointPosition point;
        point.name = entry.englishName;
        point.longitude = entry.longitude;
        point.nakshatra = NakshatraOf(entry.longitude);
        point.lord = NakshatraLord(point.nakshatra.nakshatra);
        if (houses) {
            point.house = houses->bodies[slot].house;
        }
        point.retrograde = IsRetrograde(sky, slot);
        if (sky.speeds) {
            point.dailyMotion = (*sky.speeds)[static_cast<std::size_t>(slot)];
        }
        points.push_back(std::move(point));
    }
    if (houses) {
        if (const std::optional<double> midheaven = MidheavenOf(sky)) {
            points.push_back(AnglePosition("MC", *midheaven, houses));
        }
    }
    return points;
}

}  // namespace sarovin
