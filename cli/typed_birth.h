#pragma once

#include <optional>
#include <string>

#include "common/exact_offset.h"

#include "cli/option_values.h"

namespace sarovin {

// A birth typed as options instead of read from a file. The numbers are as
// typed and already within the ranges of the window's lists.
struct TypedBirth {
    int day = 0;
    int month = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    int zone = 0;
    DegreesMinutes longitude;
    bool isEast = false;
    DegreesMinutes latitude;
    bool isSouth = false;
    bool daylightSaving = false;
    // Replaces the zone row and the tick when set (--utc-offset, or --place
    // where no row keeps the zone's time).
    std::optional<ExactOffset> exactOffset;
    std::string name;
    std::string city;
    std::string state;
    std::string country;

    friend bool operator==(const TypedBirth&, const TypedBirth&) = default;
};

}  // namespace sarovin
