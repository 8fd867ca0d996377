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

// "Asha (A) compared with Ravi (B)", saying so when the two readings hold
// the same birth.
std::string ComparisonTitle(std::string_view aName, std::string_view bName, bool sameBirth);

// "Asha's bodies in black; Ravi's on the inner side of each sign, in blue."
std::string DoubleChartCaption(std::string_view aName, std::string_view bName);

// "Sputa Drishti of Asha on Ravi, in virupas"
std::string CrossSputaCaption(std::string_view fromName, std::string_view ontoName);

// The heading of the mutual aspects, as the window and the page give it.
inline constexpr std::string_view MUTUAL_HEADING = "Mutual aspects, 45 virupas or more both ways";

// "Sun of Asha on Moon of Ravi 47.50, Moon of Ravi on Sun of Asha 46.00"
std::string MutualAspectLine(const MutualAspect& pair, std::string_view aName,
                             std::string_view bName);

}  // namespace sarovin
