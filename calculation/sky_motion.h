#pragma once

#include "calculation/sky.h"
#include "common/result.h"
#include "engine/birth_record.h"
#include "vargas/varga_span.h"

namespace sarovin {

// How long either side of the birth the sky is read again to find how fast
// its points move.
inline constexpr int MOTION_STEP_MINUTES = 10;

// The speeds of the nine bodies and the Lagna at a birth: the chosen
// ephemeris read MOTION_STEP_MINUTES before and after the birth's clock
// time, the change in longitude divided by the minutes between. Over
// twenty minutes even the Lagna's speed changes little, so spans of up to
// a few hours come out to the minute; longer ones are estimates. Refuses
// when either reading is refused.
Result<SkyMotion> MeasureSkyMotion(const BirthRecord& record, const EphemerisChoice& choice);

}  // namespace sarovin
