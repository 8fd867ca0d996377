#pragma once

#include <string>

namespace sarovin {

// Where an exact offset from Universal Time came from.
enum class OffsetSource { Atlas, Typed };

// An offset from Universal Time known to the second, east of Greenwich
// positive. When a birth carries one it replaces the zone row and the
// daylight-saving tick: Nepal's +5:45, local mean time, war time, double
// summer time.
struct ExactOffset {
    int seconds = 0;
    OffsetSource source = OffsetSource::Typed;
    // The atlas's IANA zone ("Asia/Kathmandu"); empty for a typed offset.
    std::string ianaZone;

    friend bool operator==(const ExactOffset&, const ExactOffset&) = default;
};

}  // namespace sarovin
