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

    // "Ujjain, Madhya Pradesh, India": the place as a person writes it to
    // be found again.
    std::string Label() const;
};

}  // namespace sarovin
