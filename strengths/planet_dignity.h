#pragma once

#include <array>

#include "drishti/classical_sputa_drishti.h"
#include "strengths/strength_rules.h"
#include "zodiac/zodiac.h"

namespace sarovin {

// The planet (a body slot, Sun to Saturn) that rules `sign`.
int SignLord(int sign);

// The compound (panchadha) relation of one planet to another, Parashara's
// five grades.
enum class Relation { GreatEnemy, Enemy, Neutral, Friend, GreatFriend };

// The seven planets' compound relations to each other: the natural
// relation (Brihat Parashara Hora Shastra, ch. 3) with the temporary one
// from the Rasi (a planet in the 2nd, 3rd, 4th, 10th, 11th or 12th sign
// from another is its temporary friend, elsewhere its temporary enemy).
using Relations = std::array<std::array<Relation, ASPECTING_PLANETS>, ASPECTING_PLANETS>;
Relations CompoundRelations(const std::array<double, ASPECTING_PLANETS>& longitudes);

// A planet's dignity in a sign.
enum class Dignity { Moolatrikona, OwnSign, GreatFriend, Friend, Neutral, Enemy, GreatEnemy };

// The dignity of `planet` at `longitude` in the Rasi, where its
// moolatrikona counts by `span`.
Dignity RasiDignity(int planet, double longitude, Moolatrikona span, const Relations& relations);

// The dignity of `planet` in the varga sign `sign`: its own sign, or its
// compound relation to the sign's lord.
Dignity VargaDignity(int planet, int sign, const Relations& relations);

// The planet's point of deep debilitation, sidereal degrees: 180 degrees
// from its deep exaltation.
double DebilitationPoint(int planet);

}  // namespace sarovin
