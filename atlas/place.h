#pragma once

#include <cstdint>
#include <string>

namespace sarovin {

// A town of the atlas with where it lies and the time zone it keeps.
struct Place {
    std::string name;         // "Ujjain"
    std::string region;       // "Madhya Pradesh"
    std::string country;      // "India"
    std::string countryCode;  // ISO 3166 two letters: "IN"
    double latitude = 0.0;    // degrees, north positive
    double longitude = 0.0;   // degrees, east positive
    std::string zoneId;       // IANA time zone: "Asia/Kolkata"
    std::uint64_t population = 0;
    // The name the place was found by where it is not its own: "Bombay"
    // for Mumbai; empty otherwise.
    std::string otherName{};

    // "Ujjain, Madhya Pradesh, India": the place as a person writes it to
    // be found again; "Mumbai (Bombay), Maharashtra, India" when it was
    // found by another name.
    std::string Label() const;
    // "23°11' N 75°47' E": the latitude and longitude to the nearest
    // minute, as the panel takes them; it tells apart towns of one label.
    std::string CoordinatesText() const;
};

// An angle to the nearest minute, as the panel's boxes take it; the
// hemisphere is that of the unrounded angle.
struct MinuteAngle {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // south or west
};

MinuteAngle ToNearestMinute(double angle);

}  // namespace sarovin
