#pragma once

#include <array>
#include <vector>

#include "dasha/dasha_year.h"
#include "engine/body_slot.h"

namespace sarovin {

inline constexpr int DASHA_LORD_COUNT = 9;
inline constexpr int VIMSHOTTARI_YEARS = 120;

// A lord of the Vimshottari cycle and the years of its Mahadasha.
struct DashaLord {
    BodySlot lord;
    int years;
};

// The lords in the cycle's order, Ketu ruling Ashwini, Venus Bharani and so
// on round the 27 nakshatras three times (Brihat Parashara Hora Shastra,
// ch. 46, the Vimshottari dasha): 7 + 20 + 6 + 10 + 7 + 18 + 16 + 19 + 17 =
// 120 years.
inline constexpr std::array<DashaLord, DASHA_LORD_COUNT> DashaLords = {{
    {SNode, 7},
    {Venus, 20},
    {Sun, 6},
    {Moon, 10},
    {Mars, 7},
    {NNode, 18},
    {Jupiter, 16},
    {Saturn, 19},
    {Mercury, 17},
}};

// One period: its lord, its start and end as Julian days of Universal
// Time, and the periods it is divided into (Antardashas of a Mahadasha,
// Pratyantardashas of an Antardasha; none below those).
struct DashaPeriod {
    BodySlot lord = SNode;
    double start = 0;
    double end = 0;
    std::vector<DashaPeriod> sub{};

    friend bool operator==(const DashaPeriod&, const DashaPeriod&) = default;
};

// What is left of the Mahadasha running at birth: whole years, whole
// months (twelfths of the year counted in) and days, the days rounded to
// the nearest.
struct DashaBalance {
    BodySlot lord = SNode;
    int years = 0;
    int months = 0;
    int days = 0;

    friend bool operator==(const DashaBalance&, const DashaBalance&) = default;
};

struct Vimshottari {
    DashaYear year = DashaYear::Sidereal;
    double yearDays = 0;
    DashaBalance balance;
    // The balance in years, unrounded.
    double balanceYears = 0;
    // The Mahadashas from the one running at birth (starting before it) to
    // 120 years after the birth, the last cut there.
    std::vector<DashaPeriod> periods;

    friend bool operator==(const Vimshottari&, const Vimshottari&) = default;
};

// The Vimshottari periods of a birth at `birthJulianDay` (Universal Time)
// with the Moon at the sidereal longitude `moonLongitude`: the nakshatra's
// lord rules at birth, and the part of the nakshatra still to run is the
// part of that lord's Mahadasha still to run. Each period is divided among
// the nine lords from its own in the cycle's order, each taking its share
// of the 120 years.
Vimshottari ComputeVimshottari(double moonLongitude, double birthJulianDay, DashaYear year);

}  // namespace sarovin
