#pragma once

#include <string>

namespace sarovin {

enum class LatitudeHemisphere { None, North, South };
enum class LongitudeHemisphere { None, East, West };

// The state of the input panel: the texts of the eight boxes, the chosen
// positions of the six lists and the hemisphere and daylight-saving
// choices. The window mirrors its controls into this; saved readings and
// the report tool restore into it.
struct InputForm {
    std::string name;
    int dayPosition = 0;
    int monthPosition = 0;
    int yearPosition = 0;
    int hourPosition = 0;
    int minutePosition = 0;
    int zonePosition = 0;
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    LatitudeHemisphere latitudeHemisphere = LatitudeHemisphere::North;
    LongitudeHemisphere longitudeHemisphere = LongitudeHemisphere::East;
    bool daylightSaving = false;
    // An exact offset from Universal Time ("+05:45"), typed or set by the
    // atlas; when not empty it replaces the zone row and the tick.
    std::string utcOffset;
    // The atlas's IANA zone when the atlas set utcOffset; empty when typed.
    std::string offsetZone;
    // Why the zone could not be settled for the date and clock time on the
    // panel (a clock time that came twice, or never came); not empty, it
    // refuses a calculation until the zone is set by hand.
    std::string zoneUnsettled;
    std::string city;
    std::string state;
    std::string country;

    friend bool operator==(const InputForm&, const InputForm&) = default;
};

}  // namespace sarovin
