#pragma once

#include <string>

namespace sarovin {

// A moment of Universal Time to the minute, in the Gregorian calendar.
struct UtcMinute {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// The Julian day of 0h UT on a Gregorian date.
double JulianDayOfDate(int year, int month, int day);

// A Julian day rounded to the nearest minute, shifted by `offsetMinutes`
// (a zone's offset from UTC, east positive).
UtcMinute MinuteOf(double julianDay, int offsetMinutes = 0);

// "2026-03-01T12:34Z".
std::string IsoMinuteText(double julianDay);

}  // namespace sarovin
