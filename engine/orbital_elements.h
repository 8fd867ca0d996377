#pragma once

namespace sarovin {

enum class PlanetIndex { Mercury = 0, Venus = 1, Earth = 2, Mars = 3, Jupiter = 4, Saturn = 5 };

// Mean Keplerian elements of one orbit; the angles in radians.
struct OrbitalElementSet {
    double semiMajorAxis = 0;
    double eccentricity = 0;
    double inclination = 0;
    double ascendingNode = 0;
    double perihelion = 0;
    double meanLongitude = 0;
};

// Days from 2000 January 1, 12:00 UT for a Universal Time date and time;
// valid from March 1900 to February 2100 (no century rule).
double PlanetDayNumber(int year, int month, int day, int hour, int minute);

// Elements of a planet for a day number: base values plus linear rates
// per Julian century, the mean longitude reduced into one turn.
OrbitalElementSet LoadOrbitalElements(PlanetIndex planet, double dayNumber);

}  // namespace sarovin
