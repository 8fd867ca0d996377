#pragma once

#include <optional>
#include <string>

#include "common/exact_offset.h"
#include "form/degrees_minutes.h"

namespace sarovin {

// A birth typed as numbers instead of chosen on the panel (the report
// tool's options). The numbers are already within the ranges of the
// panel's lists; `zone` is a row of the zone list.
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
