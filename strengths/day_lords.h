#pragma once

#include <cstdint>

#include "strengths/shadbala_inputs.h"

namespace sarovin {

// The lords of the time of birth (body slots): of the year and the month
// counted from Creation, of the weekday (from sunrise to sunrise) and of
// the planetary hour; with the day count they come from.
struct DayLords {
    // Days from Creation to the Hindu day of birth.
    std::int64_t ahargana = 0;
    // 0 is Sunday.
    int weekday = 0;
    int yearLord = 0;
    int monthLord = 0;
    int weekdayLord = 0;
    // Whole hours since sunrise, the first hour 0.
    int hour = 0;
    int horaLord = 0;

    friend bool operator==(const DayLords&, const DayLords&) = default;
};

DayLords ComputeDayLords(const BirthDay& day);

}  // namespace sarovin
