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
    std::string city;
    std::string state;
    std::string country;

    friend bool operator==(const InputForm&, const InputForm&) = default;
};

}  // namespace sarovin
