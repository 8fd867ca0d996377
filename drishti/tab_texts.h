#pragma once

#include <array>
#include <string>

#include "zodiac/zodiac.h"

namespace sarovin {

// The texts of a Graha or Rashi Drishti row that depend only on the body
// and the sign it stands in, made once for every body and sign: the
// sentence of aspected signs, the lead of the sentence of aspected
// planets, and the sentence for a body that aspects no planet.
template <int ROWS>
struct TabTexts {
    std::array<std::array<std::string, SIGN_COUNT>, ROWS> aspectCaptions;
    std::array<std::string, ROWS> planetsLeads;
    std::array<std::string, ROWS> noPlanetsCaptions;
};

}  // namespace sarovin
