#pragma once

#include <array>

#include "zodiac/zodiac.h"

namespace sarovin {

// The three signs each sign aspects by the classical Rashi Drishti, in
// sign order from Mesha on (Brihat Parashara Hora Shastra, the chapter on
// the aspects of the signs): movable signs aspect the fixed signs but the
// one beside them, fixed signs the movable signs but the one beside them,
// and dual signs the other three dual signs.
using AspectedSigns = std::array<int, 3>;
extern const std::array<AspectedSigns, SIGN_COUNT> ClassicalRashiAspects;

}  // namespace sarovin
