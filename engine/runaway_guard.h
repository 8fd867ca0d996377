#pragma once

namespace sarovin {

// The engine brings angles into one turn by repeated addition or
// subtraction of 360, which for an angle of astronomical size, an infinity
// or a number that is not one would never end. Angles of the size a birth
// between 1800 and 2400 gives pass unchanged, so every result stays as it
// was; any other angle is first reduced by the exact remainder of a turn
// (an infinity or a non-number becomes 0).
double GuardAgainstRunaway(double degrees);

}  // namespace sarovin
