#pragma once

#include <optional>

#include "houses/houses.h"
#include "output/json_writer.h"

namespace sarovin {

// houses: {"list": twelve houses, "system": "sripati"}, each house
// {aspectedBy, digBala, drishtiBala, end, madhya, number, occupants, sign,
// sputa, start}: body names in body order, longitudes in full precision,
// virupas to two decimals, sputa keyed by the seven planets in body order;
// null without houses.
void WriteHouses(JsonWriter& json, const std::optional<Houses>& houses);

}  // namespace sarovin
