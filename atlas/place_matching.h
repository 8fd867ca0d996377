#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "atlas/place.h"
#include "common/result.h"

namespace sarovin {

// The places of `places` whose name holds `text`, compared by SearchKey,
// best first: names equal to the text, then names that begin with it, then
// names that merely contain it; within each, the most populous first, then
// by label. At most `limit` places; none for an empty text.
std::vector<Place> SearchPlaces(std::span<const Place> places, std::string_view text,
                                std::size_t limit);

// The one place of `places` a written query means: "Name", "Name, Region",
// "Name, Country", "Name, Country code" or "Name, Region, Country", each
// part compared whole by SearchKey, and any of these followed by the
// place's coordinates as --find-place prints them ("... 45°24' N 73°35' W").
// Only a whole name matches, so "New York" is New York and never West New
// York. Several places or none give a refusal that lists up to ten
// candidates by their labels, with their coordinates where labels repeat;
// the query is shown with its control characters as '?'.
Result<Place> ResolvePlaceAmong(std::span<const Place> places, std::string_view query);

}  // namespace sarovin
