#pragma once

#include <cstdint>

#include "ashtakavarga/ashtaka_points.h"

namespace sarovin {

// Whose tables of contributing places are taken. Parashara's (Brihat
// Parashara Hora Shastra, ch. 66 in Santhanam's numbering) and
// Varahamihira's (Brihat Jataka, ch. 9) differ in six places, each a bindu
// moved within one contributor's count, so that every total stays the same.
enum class AshtakavargaTables { Parashara, Varahamihira };

// The places (1 to 12, counted from the contributor's sign, the sign itself
// the 1st) in which `contributor` gives a bindu in the table of `owner`, as
// bit (place - 1) of the mask.
std::uint16_t ContributingPlaces(AshtakavargaTables tables, AshtakaPoint owner,
                                 AshtakaPoint contributor);

}  // namespace sarovin
