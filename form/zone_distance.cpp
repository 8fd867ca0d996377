#include "form/zone_distance.h"

#include <cmath>
#include <cstdlib>

#include "form/birth_summary.h"
#include "form/record_filling.h"
#include "text/two_digits.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

constexpr int SECONDS_PER_HOUR = 3600;
constexpr int FARTHEST_USUAL_SECONDS = 3 * SECONDS_PER_HOUR;
// The Earth turns one degree of longitude in four minutes of time.
constexpr int SECONDS_PER_ARC_MINUTE = 4;
constexpr int MINUTES_PER_DEGREE = 60;

}  // namespace

std::string ZoneDistanceNote(const InputForm& form) {
    if (form.longitudeDegrees.empty() || form.longitudeHemisphere == LongitudeHemisphere::None) {
        return {};
    }
    const BirthRecord record = FillBirthRecord(form, BirthRecord{});
    const int arcMinutes = record.longitudeDegrees * MINUTES_PER_DEGREE + record.longitudeMinutes;
    const int meanTime = (record.isEast ? 1 : -1) * arcMinutes * SECONDS_PER_ARC_MINUTE;
    const int offset = UtcOffsetSeconds(record);
    const int apart = std::abs(offset - meanTime);
    if (apart < FARTHEST_USUAL_SECONDS) {
        return {};
    }
    const long hours = std::lround(static_cast<double>(apart) / SECONDS_PER_HOUR);
    return "UTC" + UtcOffsetText(offset) + " is " + std::to_string(hours) +
           " h from local mean time at " + std::to_string(record.longitudeDegrees) + "\u00B0" +
           TwoDigits(record.longitudeMinutes) + "' " + (record.isEast ? "E" : "W");
}

}  // namespace sarovin
