#pragma once

#include <string>

#include "common/refusal.h"

namespace sarovin {

// What the calling thread's Swiss Ephemeris found in its data folder: the
// planet and moon files that cover the present day, and the span both cover.
struct EphemerisFiles {
    std::string folder;
    bool found = false;
    int firstYear = 0;
    int lastYear = 0;
    double firstJulianDayUt = 0;  // 1 January of firstYear, 0h
    double endJulianDayUt = 0;    // 1 January after lastYear, 0h

    bool Covers(double julianDayUt) const {
        return julianDayUt >= firstJulianDayUt && julianDayUt < endJulianDayUt;
    }
};

// Points the calling thread's Swiss Ephemeris at its data folder and sets
// the Lahiri sidereal mode, on the thread's first call only, so that each
// thread opens the files once. The files are closed when the thread ends.
const EphemerisFiles& PrepareThreadEphemeris();

// Sets the calling thread's sidereal mode (one of the library's SE_SIDM_*
// values) when it differs from the one in use. The mode is library state
// kept per thread, so every request sets the mode it needs.
void UseThreadSiderealMode(int mode);

Refusal MissingFilesRefusal(const EphemerisFiles& files);
Refusal OutsideFilesRefusal(const EphemerisFiles& files);

}  // namespace sarovin
