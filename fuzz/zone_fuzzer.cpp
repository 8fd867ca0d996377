// Any zone name, date and clock time as a zone proposal: the tz database is
// asked without fault, and a proposed row is one of the zone list's.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "places/zone_proposal.h"

namespace {

// The zone list's rows, 0 to 70.
constexpr int ZONE_ROWS = 71;
// Year, month, day, hour and minute, a 16-bit number each, then the name.
constexpr std::size_t NUMBER_BYTES = 10;

int NumberAt(const std::uint8_t* data, std::size_t index) {
    std::int16_t number = 0;
    std::memcpy(&number, data + 2 * index, sizeof number);
    return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < NUMBER_BYTES) {
        return 0;
    }
    const std::string_view zone(reinterpret_cast<const char*>(data + NUMBER_BYTES),
                                size - NUMBER_BYTES);
    const sarovin::ZoneProposal proposal =
        sarovin::ProposeZone(zone, NumberAt(data, 0), NumberAt(data, 1), NumberAt(data, 2),
                             NumberAt(data, 3), NumberAt(data, 4));
    if (proposal.zoneRow && (*proposal.zoneRow < 0 || *proposal.zoneRow >= ZONE_ROWS)) {
        std::fprintf(stderr, "zone_fuzzer: row %d is not in the list\n", *proposal.zoneRow);
        std::abort();
    }
    return 0;
}
