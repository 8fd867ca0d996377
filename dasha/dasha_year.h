#pragma once

namespace sarovin {

// The year in which the Vimshottari periods are counted. Authors differ:
// the sidereal year (the Sun's return to the same star) is the common
// choice today, the Julian year the astronomers' round one, and the savana
// year of 360 civil days the one of the older commentators.
enum class DashaYear { Sidereal, Julian, Savana };

// The length of that year in days: 365.256364, 365.25 or 360.
double DaysInYear(DashaYear year);

}  // namespace sarovin
