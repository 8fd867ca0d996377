#pragma once

#include <optional>

#include "calculation/birth_strengths.h"
#include "output/json_writer.h"

namespace sarovin {

// shadbala: seven {body, cheshta, dig, drik, ishta, kala: {abda, ayana,
// hora, masa, nathonnata, paksha, total, tribhaga, vara, yuddha}, kashta,
// naisargika, ratio, requiredRupas, rupas, sthana: {drekkana, kendradi,
// ojayugma, saptavargaja, total, uchcha}, total}, Sun to Saturn, virupas
// to two decimals; null when not computed.
void WriteShadbala(JsonWriter& json, const std::optional<BirthStrengths>& strengths);

// strengthRules: the reading taken at each fork, by the names the tool
// takes; null when not computed.
void WriteStrengthRules(JsonWriter& json, const std::optional<BirthStrengths>& strengths);

// A house's bhavaBala: {adhipati, dig, drishti, rupas, total}, to two
// decimals.
void WriteHouseBhavaBala(JsonWriter& json, const HouseBhavaBala& bala);

}  // namespace sarovin
