#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "atlas/gazetteer.h"
#include "atlas/place.h"
#include "common/result.h"

namespace sarovin {

// The places of `atlas` known by a name that holds `text`, compared by
// SearchKey, best first: names equal to the text, then names that begin
// with it, then names that merely contain it; within each, the most
// populous first, then by label. A place found by another name than its
// own carries that name (Place::otherName). Text after a comma narrows the
// list to places whose region or country, or region and country, begin
// with it ("Hyderabad, Sindh", "Hyderabad, Pak"). At most `limit` places;
// none for an empty text.
std::vector<Place> SearchAtlas(const Gazetteer& atlas, std::string_view text, std::size_t limit);

// The one place of `atlas` a written query means: "Name", "Name, Region",
// "Name, Country", "Name, Country code" or "Name, Region, Country", where
// Name is any name the place is known by, each part compared whole by
// SearchKey, and any of these followed by the place's coordinates as
// --find-place prints them ("... 45°24' N 73°35' W"); a label with another
// name in brackets ("Mumbai (Bombay), Maharashtra, India") is taken too.
// Only a whole name matches, so "New York" is New York and never West New
// York, and a place's own name goes before another place's other name.
// Several places or none give a refusal that lists up to ten candidates by
// their labels, with their coordinates where labels repeat; the query is
// shown with its control characters as '?'.
Result<Place> ResolveInAtlas(const Gazetteer& atlas, std::string_view query);

// SearchAtlas and ResolveInAtlas over places known by their own names
// alone.
std::vector<Place> SearchPlaces(std::span<const Place> places, std::string_view text,
                                std::size_t limit);
Result<Place> ResolvePlaceAmong(std::span<const Place> places, std::string_view query);

}  // namespace sarovin
