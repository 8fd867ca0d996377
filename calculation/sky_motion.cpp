#include "calculation/sky_motion.h"

#include <cmath>

#include "engine/civil_time.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// The record with its clock time moved by `minutes`, carried into the date;
// the zone and the place stay as they are.
BirthRecord MovedBy(const BirthRecord& record, int minutes) {
    const CivilTime moved =
        AddMinutes({record.year, record.month, record.day, record.hour, record.minute}, minutes);
    BirthRecord result = record;
    result.year = static_cast<std::int16_t>(moved.year);
    result.month = static_cast<std::int16_t>(moved.month);
    result.day = static_cast<std::int16_t>(moved.day);
    result.hour = static_cast<std::int16_t>(moved.hour);
    result.minute = static_cast<std::int16_t>(moved.minute);
    return result;
}

// The change from `before` to `after` per minute, the short way round.
double Speed(double before, double after) {
    return std::remainder(after - before, FULL_CIRCLE) / (2 * MOTION_STEP_MINUTES);
}

}  // namespace

Result<SkyMotion> MeasureSkyMotion(const BirthRecord& record, const EphemerisChoice& choice) {
    const Result<Sky> before = ComputeSky(MovedBy(record, -MOTION_STEP_MINUTES), choice);
    if (!before) {
        return before.refusal();
    }
    const Result<Sky> after = ComputeSky(MovedBy(record, MOTION_STEP_MINUTES), choice);
    if (!after) {
        return after.refusal();
    }
    SkyMotion motion;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        motion.bodies[slot] =
            Speed(before->bodies.entries[slot].longitude, after->bodies.entries[slot].longitude);
    }
    if (before->lagna && after->lagna) {
        motion.lagna = Speed(*before->lagna, *after->lagna);
    }
    return motion;
}

}  // namespace sarovin
