#pragma once

#include <cstdint>

namespace sarovin {

// A Gregorian calendar date and clock time to the minute.
struct CivilTime {
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The civil time that many minutes later (earlier when negative), carried
// through days, months, leap days and years.
CivilTime AddMinutes(const CivilTime& time, std::int64_t minutes);

}  // namespace sarovin
