#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/sky.h"
#include "engine/body_slot.h"
#include "houses/houses.h"
#include "vargas/nakshatra.h"

namespace sarovin {

// One point of a chart as the positions table lists it: its name, sidereal
// longitude, nakshatra and pada, the nakshatra's lord, the house it stands
// in (none without houses), whether it moves backwards and its daily motion
// in degrees (none where the ephemeris gives no speeds, and for the angles).
struct PointPosition {
    std::string name;
    double longitude = 0;
    NakshatraPada nakshatra;
    BodySlot lord = SNode;
    std::optional<int> house = std::nullopt;
    bool retrograde = false;
    std::optional<double> dailyMotion = std::nullopt;

    friend bool operator==(const PointPosition&, const PointPosition&) = default;
};

// The lord of a nakshatra (0 is Ashwini) in the Vimshottari order: Ketu
// rules Ashwini, Magha and Mula, Venus the next three and so on.
BodySlot NakshatraLord(int nakshatra);

// "+0.9539" or "-0.1234": a daily motion in degrees, to four places.
std::string DailyMotionText(double degrees);

// The Lagna when the ephemeris gives one, the nine bodies in slot order,
// and with houses the midheaven (MC).
std::vector<PointPosition> ComputePointPositions(const Sky& sky,
                                                 const std::optional<Houses>& houses);

}  // namespace sarovin
