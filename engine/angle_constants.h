#pragma once

namespace sarovin {

// Stored decimal values, not the exact doubles of pi, 2 pi and pi/180: the
// last digits of every position depend on these very values.
inline constexpr double PI_CONST = 3.14159265358979;
inline constexpr double TWO_PI_CONST = 6.28318530717958;
inline constexpr double DEG_TO_RAD = 0.0174532925199433;

}  // namespace sarovin
