#include "strengths/planet_dignity.h"

#include <cmath>

#include "engine/body_slot.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::array<int, SIGN_COUNT> SIGN_LORDS = {
    Mars, Venus, Mercury, Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Saturn, Jupiter,
};

// Natural friendship, Brihat Parashara Hora Shastra, ch. 3, in body-slot
// order (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn): 1 a friend, 0
// neutral, -1 an enemy.
constexpr std::array<std::array<int, ASPECTING_PLANETS>, ASPECTING_PLANETS> NATURAL = {{
    // Su  Mo  Me  Ve  Ma  Ju  Sa
    {0, 1, 0, -1, 1, 1, -1},   // Sun
    {1, 0, 1, 0, 0, 0, 0},     // Moon
    {1, -1, 0, 1, 0, 0, 0},    // Mercury
    {-1, -1, 1, 0, 0, 0, 1},   // Venus
    {1, 1, -1, 0, 0, 1, 0},    // Mars
    {1, 1, -1, -1, 1, 0, 0},   // Jupiter
    {-1, -1, 1, 1, -1, 0, 0},  // Saturn
}};

// Deep exaltation, sidereal degrees (Brihat Parashara Hora Shastra, ch. 3):
// the Sun Mesha 10, the Moon Vrishabha 3, Mercury Kanya 15, Venus Meena 27,
// Mars Makara 28, Jupiter Kataka 5, Saturn Thula 20.
constexpr std::array<double, ASPECTING_PLANETS> EXALTATION = {10, 33, 165, 357, 298, 95, 200};

// Moolatrikona (Brihat Parashara Hora Shastra, ch. 3): the sign and its
// degrees.
struct MoolatrikonaSpan {
    int sign;
    double from;
    double to;
};
constexpr std::array<MoolatrikonaSpan, ASPECTING_PLANETS> MOOLATRIKONA = {{
    {4, 0, 20},   // Sun: Simha 0-20
    {1, 3, 30},   // Moon: Vrishabha 3-30
    {5, 15, 20},  // Mercury: Kanya 15-20
    {6, 0, 15},   // Venus: Thula 0-15
    {0, 0, 12},   // Mars: Mesha 0-12
    {8, 0, 10},   // Jupiter: Dhanus 0-10
    {10, 0, 20},  // Saturn: Kumbha 0-20
}};

// A planet 2, 3, 4, 10, 11 or 12 signs from another (counting its own
// sign as the 1st) is its temporary friend.
bool TemporaryFriend(int fromSign, int toSign) {
    const int house = (toSign - fromSign + SIGN_COUNT) % SIGN_COUNT + 1;
    return (house >= 2 && house <= 4) || house >= 10;
}

Relation Compound(int natural, bool temporaryFriend) {
    const int grade = natural + (temporaryFriend ? 1 : -1);
    switch (grade) {
        case 2:
            return Relation::GreatFriend;
        case 1:
            return Relation::Friend;
        case 0:
            return Relation::Neutral;
        case -1:
            return Relation::Enemy;
        default:
            return Relation::GreatEnemy;
    }
}

Dignity FromRelation(Relation relation) {
    switch (relation) {
        case Relation::GreatFriend:
            return Dignity::GreatFriend;
        case Relation::Friend:
            return Dignity::Friend;
        case Relation::Neutral:
            return Dignity::Neutral;
        case Relation::Enemy:
            return Dignity::Enemy;
        case Relation::GreatEnemy:
            break;
    }
    return Dignity::GreatEnemy;
}

}  // namespace

int SignLord(int sign) {
    return SIGN_LORDS.at(static_cast<std::size_t>(sign));
}

Relations CompoundRelations(const std::array<double, ASPECTING_PLANETS>& longitudes) {
    Relations relations{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        for (int other = 0; other < ASPECTING_PLANETS; ++other) {
            relations[planet][other] =
                Compound(NATURAL[planet][other],
                         TemporaryFriend(SignOf(longitudes[planet]), SignOf(longitudes[other])));
        }
    }
    return relations;
}

Dignity VargaDignity(int planet, int sign, const Relations& relations) {
    const int lord = SignLord(sign);
    return lord == planet ? Dignity::OwnSign : FromRelation(relations[planet][lord]);
}

Dignity RasiDignity(int planet, double longitude, Moolatrikona span, const Relations& relations) {
    const MoolatrikonaSpan& trikona = MOOLATRIKONA[planet];
    const double degrees = DegreesInSign(longitude);
    const bool inDegrees = degrees >= trikona.from && degrees < trikona.to;
    if (SignOf(longitude) == trikona.sign && (span == Moolatrikona::WholeSign || inDegrees)) {
        return Dignity::Moolatrikona;
    }
    return VargaDignity(planet, SignOf(longitude), relations);
}

double DebilitationPoint(int planet) {
    return ZodiacDegrees(EXALTATION[planet] + FULL_CIRCLE / 2);
}

}  // namespace sarovin
