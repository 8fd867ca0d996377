#pragma once

#include <optional>

#include "drishti/drishti_report.h"
#include "output/json_writer.h"

namespace sarovin {

// sputa.grid under the classical rules: nine rows of nine virupas to two
// decimals, row = aspecting body, column = aspected body; the nodes' rows,
// which cast no aspect, are null.
void WriteClassicalGrid(JsonWriter& json, const ClassicalSputa& sputa);

// sputa.lagna: the seven planets' virupas on the Lagna, or null without one.
void WriteClassicalLagna(JsonWriter& json, const ClassicalSputa& sputa);

// drikBala: seven {benefic, body, contributors, virupas}, Sun to Saturn,
// each contributor {benefic, body, virupas}; null under the 1.15 rules.
void WriteDrikBala(JsonWriter& json, const std::optional<ClassicalStrengths>& classical);

}  // namespace sarovin
