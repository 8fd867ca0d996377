#pragma once

#include <span>
#include <string>

#include "atlas/place.h"

namespace sarovin {

// The most places --find-place lists.
inline constexpr std::size_t LISTED_PLACES = 20;

// Each place on a line: its label, a tab, its latitude and longitude as
// the panel would take them ("23°11' N 75°47' E", which --place takes
// after the label), a tab and its IANA zone.
std::string PlaceListing(std::span<const Place> places);

}  // namespace sarovin
