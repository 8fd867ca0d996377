#pragma once

#include <string>

namespace sarovin {

// An angle as the panel's boxes hold it: whole degrees and minutes, the
// hemisphere kept apart.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;

    friend bool operator==(const DegreesMinutes&, const DegreesMinutes&) = default;
};

// Writes an angle into its degree and minute boxes in plain decimal.
inline void PutAngle(const DegreesMinutes& angle, std::string& degreesBox,
                     std::string& minutesBox) {
    degreesBox = std::to_string(angle.degrees);
    minutesBox = std::to_string(angle.minutes);
}

}  // namespace sarovin
