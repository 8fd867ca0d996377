#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/result.h"

namespace sarovin {

enum class LunarNode { Mean, True };

// The ayanamsas offered, each one of the library's sidereal modes.
enum class AyanamsaSystem { Lahiri, Raman, Krishnamurti, TrueChitra, Yukteshwar, FaganBradley };
inline constexpr int AYANAMSA_SYSTEMS = 6;

// One moment and place to read the sky for.
struct SwissRequest {
    double julianDayUt = 0;       // Universal Time Julian day
    double latitudeDegrees = 0;   // north positive
    double longitudeDegrees = 0;  // east positive
    LunarNode node = LunarNode::Mean;
    AyanamsaSystem ayanamsa = AyanamsaSystem::Lahiri;

    friend bool operator==(const SwissRequest&, const SwissRequest&) = default;
};

inline constexpr int SWISS_BODY_COUNT = 9;

// Sidereal positions in degrees [0, 360) by the request's ayanamsa. The bodies are in the
// order Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu (north
// node), Ketu (south node).
struct SwissPositions {
    std::array<double, SWISS_BODY_COUNT> longitudes{};
    // Degrees a day in sidereal longitude; negative while retrograde.
    std::array<double, SWISS_BODY_COUNT> speeds{};
    double ayanamsa = 0;  // the ayanamsa of date, nutation included
    double lagna = 0;     // sidereal ascendant
};

// Reads the bodies, the ayanamsa and the ascendant from the Swiss Ephemeris
// files. Refuses inputs that are not finite or off the globe, a data folder
// without the files, and moments the files do not cover. Safe to call from
// several threads at once.
Result<SwissPositions> ComputeSwissPositions(const SwissRequest& request);

// Notes on the data files opened so far in this run that are not the
// build Sarovin knows but give the reference positions, a sentence a file.
std::vector<std::string> SwissDataFileNotes();

// Sets the calling thread's sidereal mode to the request's ayanamsa, for
// other readings of the same request (the house cusps).
void UseRequestAyanamsa(const SwissRequest& request);

}  // namespace sarovin
