#pragma once

#include <string>
#include <string_view>

#include "calculation/sky.h"
#include "comparison/chart_comparison.h"

namespace sarovin {

// The name a compared chart goes by: the person's name, or `fallback`
// ("A", "B") when the reading has none.
std::string_view ChartName(std::string_view name, std::string_view fallback);

// One body's Graha Drishti across, in the Graha tab's manner:
//   "Saturn of Asha aspects Mithuna, Simha, Makara, where Ravi's Moon stands."
//   "Sun of Asha aspects Dhanus; none of Ravi's bodies stands there."
// The signs are named in the order they are counted from the body's own
// sign in `from`.
std::string GrahaAcrossSentence(int body, const GrahaAcross& across, const Sky& from,
                                std::string_view fromName, std::string_view ontoName);

}  // namespace sarovin
