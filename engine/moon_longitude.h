#pragma once

namespace sarovin {

// Fundamental arguments of the lunar theory for one moment: the mean
// longitude in degrees, the other four in radians, none reduced.
struct LunarArguments {
    double moonMeanLongitude = 0;
    double meanElongation = 0;
    double sunMeanAnomaly = 0;
    double moonMeanAnomaly = 0;
    double argumentOfLatitude = 0;
    double eccentricityFactor = 0;
};

LunarArguments ComputeLunarArguments(double centuries);

// Sum of the 25 largest periodic terms of the Moon's longitude, in degrees.
double MoonLongitudeTerms(const LunarArguments& arguments);

// Brings a longitude into [0, 360] exactly as repeated additions of 360
// (while below 0) and then subtractions of 360 (while above 360) would, in
// a handful of operations. A result of exactly 360 stays 360.
double ReduceMoonLongitude(double longitude);

// The Moon's tropical geocentric longitude in degrees, in [0, 360].
double MoonTropicalLongitude(double centuries);

}  // namespace sarovin
