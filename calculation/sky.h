#pragma once

#include <array>
#include <optional>

#include "calculation/given_positions.h"
#include "common/result.h"
#include "drishti/rules.h"
#include "engine/body_table.h"
#include "engine/civil_time.h"
#include "houses/house_system.h"
#include "strengths/strength_rules.h"
#include "swiss/swiss_ephemeris.h"

namespace sarovin {

enum class Ephemeris { BuiltIn, Swiss };

// Which ephemeris a calculation asks for, which lunar node and ayanamsa it
// takes, and which rules the Drishti follow. The built-in ephemeris always
// takes its own mean node and its own ayanamsa. The houses, which need the
// Lagna, are placed by `houses` with the Swiss Ephemeris only.
struct EphemerisChoice {
    Ephemeris ephemeris = Ephemeris::BuiltIn;
    LunarNode node = LunarNode::Mean;
    AyanamsaSystem ayanamsa = AyanamsaSystem::Lahiri;
    Rules rules = Rules::Sarovin115;
    HouseSystem houses = HouseSystem::Sripati;
    // Longitudes taken in place of the Swiss Ephemeris's; its date, time
    // and place still give the sunrise, the weekday and the rest.
    std::optional<GivenPositions> given = std::nullopt;
    // Where the authors of the Shadbala differ, the readings taken.
    StrengthRules strengthRules = RAMAN_STRENGTH_RULES;

    friend bool operator==(const EphemerisChoice&, const EphemerisChoice&) = default;
};

// The sidereal positions of a birth and how they were found: the
// ephemeris, node, ayanamsa and rules, the ayanamsa in degrees, and for the Swiss
// Ephemeris the Universal Time read and the Lagna (sidereal ascendant).
struct Sky {
    BodyTable bodies;
    EphemerisChoice used;
    double ayanamsa = 0;
    std::optional<CivilTime> universalTime;
    std::optional<double> lagna;
    // Each body's daily motion in degrees, negative while retrograde; none
    // for the built-in ephemeris, which gives positions only.
    std::optional<std::array<double, BODY_COUNT>> speeds;
    // What the Swiss Ephemeris was asked for, kept for the houses; none for
    // the built-in ephemeris.
    std::optional<SwissRequest> swissRequest;

    friend bool operator==(const Sky&, const Sky&) = default;
};

// True for Mercury to Saturn moving backwards at the birth, by the speeds
// the Swiss Ephemeris gives. The Sun and Moon never are, and the nodes, in
// their mean motion always are, so neither is marked.
bool IsRetrograde(const Sky& sky, int slot);

// The body table of a birth from the chosen ephemeris; the Swiss Ephemeris
// refuses moments its files do not cover and a missing data folder.
Result<Sky> ComputeSky(const BirthRecord& record, const EphemerisChoice& choice);

}  // namespace sarovin
