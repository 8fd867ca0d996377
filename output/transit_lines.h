#pragma once

#include <string>
#include <vector>

#include "calculation/natal_points.h"
#include "output/json_writer.h"
#include "transits/transit_event.h"
#include "transits/transit_tags.h"

namespace sarovin {

// One event as a JSON object: kind, transiting, natal, start, end, peak,
// peakVirupas and phase (null where they do not apply), and "startCut":
// true / "endCut": true on a window cut at the span's start or end (left
// out otherwise); then "periods": {"maha", "antar"} and "bindus": {"own",
// "sarva"} where the tags hold them. A Kakshya window is {kind,
// transiting, sign, lord, start, end} and the cut marks. Times in UTC to
// the minute, "2026-03-01T12:34Z".
void WriteTransitJson(JsonWriter& json, const TransitEvent& event,
                      const std::vector<NatalPoint>& points, const TransitTags& tags);

// One event as a line of text, times in UTC, the tags it has at its end:
// "2026-03-01T12:34Z to 2026-06-02T08:10Z  sputa  Saturn on Moon  peak
// 2026-04-15T10:00Z 47.50 virupas  periods Venus/Sun  bindus 4 own 28 sarva";
// a Kakshya window "...  kakshya  Saturn in Kumbha, Venus's kakshya".
std::string TransitTextLine(const TransitEvent& event, const std::vector<NatalPoint>& points,
                            const TransitTags& tags);

}  // namespace sarovin
