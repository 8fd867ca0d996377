#pragma once

#include <array>

#include "strengths/bala_working.h"
#include "strengths/shadbala_inputs.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// The Cheshta Bala (motional strength) of Mars, Mercury, Jupiter, Venus and
// Saturn from their Cheshta Kendra, in body-slot order; the Sun's and the
// Moon's by LuminaryCheshta from their Ayana and Paksha Bala
// (`sunAyana`, `moonPaksha`: the single shares).
std::array<BalaWorking, ASPECTING_PLANETS> ComputeCheshtaBala(const ShadbalaInputs& inputs,
                                                              const StrengthRules& rules,
                                                              double sunAyana, double moonPaksha);

}  // namespace sarovin
