#pragma once

#include <array>

#include "strengths/bala_working.h"
#include "strengths/shadbala_inputs.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// The Dig Bala (directional strength) of the Sun to Saturn, in body-slot
// order.
std::array<BalaWorking, ASPECTING_PLANETS> ComputeDigBala(const ShadbalaInputs& inputs,
                                                          const StrengthRules& rules);

}  // namespace sarovin
