#pragma once

#include <string>
#include <vector>

#include "output/json_writer.h"
#include "transits/natal_points.h"
#include "transits/transit_event.h"

namespace sarovin {

// One event as a JSON object: kind, transiting, natal, start, end, peak,
// peakVirupas and phase (null where they do not apply), and "startCut":
// true / "endCut": true on a window cut at the span's start or end (left
// out otherwise). Times in UTC to the minute, "2026-03-01T12:34Z".
void WriteTransitJson(JsonWriter& json, const TransitEvent& event,
                      const std::vector<NatalPoint>& points);

// One event as a line of text, times in UTC:
// "2026-03-01T12:34Z to 2026-06-02T08:10Z  sputa  Saturn on Moon  peak
// 2026-04-15T10:00Z 47.50 virupas".
std::string TransitTextLine(const TransitEvent& event, const std::vector<NatalPoint>& points);

}  // namespace sarovin
