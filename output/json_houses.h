#pragma once

#include <optional>

#include "calculation/birth_strengths.h"
#include "houses/houses.h"
#include "output/json_writer.h"

namespace sarovin {

// houses: {"list": twelve houses, "system": "sripati"}, each house
// {aspectedBy, bhavaBala, digBala, drishtiBala, end, madhya, number,
// occupants, sign, sputa, start}: body names in body order, longitudes in
// full precision, virupas to two decimals, sputa keyed by the seven planets
// in body order, bhavaBala null without the strengths; null without houses.
void WriteHouses(JsonWriter& json, const std::optional<Houses>& houses,
                 const std::optional<BirthStrengths>& strengths);

}  // namespace sarovin
