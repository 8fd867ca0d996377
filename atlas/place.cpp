#include "atlas/place.h"

#include <cmath>

#include "text/angle_text.h"

namespace sarovin {

std::string Place::Label() const {
    std::string label = name;
    if (!otherName.empty()) {
        label += " (" + otherName + ")";
    }
    for (const std::string* part : {&region, &country}) {
        if (!part->empty()) {
            label += ", ";
            label += *part;
        }
    }
    return label;
}

std::string Place::CoordinatesText() const {
    const MinuteAngle north = ToNearestMinute(latitude);
    const MinuteAngle east = ToNearestMinute(longitude);
    return AngleText(north.degrees, north.minutes, north.negative ? 'S' : 'N') + " " +
           AngleText(east.degrees, east.minutes, east.negative ? 'W' : 'E');
}

MinuteAngle ToNearestMinute(double angle) {
    const long totalMinutes = std::lround(std::fabs(angle) * 60);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60), angle < 0};
}

}  // namespace sarovin
