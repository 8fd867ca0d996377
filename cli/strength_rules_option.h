#pragma once

#include <string_view>

#include "common/result.h"
#include "strengths/strength_rules.h"

namespace sarovin {

// The readings of --strength-rules: comma-separated FORK=READING pairs
// ("dig-arc=unfolded,required-rupas=parashara") changing Raman's readings,
// each fork once. An unknown fork or reading, or a fork named twice, is
// refused with what is wrong and what may be given.
Result<StrengthRules> ReadStrengthRules(std::string_view text);

}  // namespace sarovin
