// Any birth record, whatever its numbers, through both ephemerides and the
// three Drishti: no crash, no undefined behaviour, texts always well formed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calculation/sky.h"
#include "drishti/drishti_report.h"

namespace {

// Takes the next two bytes as a 16-bit number, zero past the end.
std::int16_t NextNumber(const std::uint8_t*& data, std::size_t& size) {
    std::uint16_t value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return static_cast<std::int16_t>(value);
}

sarovin::BirthRecord RecordOf(const std::uint8_t* data, std::size_t size) {
    sarovin::BirthRecord record;
    for (std::int16_t* field :
         {&record.day, &record.month, &record.year, &record.hour, &record.minute,
          &record.zoneHoursAbs, &record.zoneMinutesAbs, &record.zoneHoursToUt,
          &record.zoneMinutesToUt, &record.longitudeDegrees, &record.longitudeMinutes,
          &record.latitudeDegrees, &record.latitudeMinutes}) {
        *field = NextNumber(data, size);
    }
    const std::int16_t flags = NextNumber(data, size);
    record.isEast = (flags & 1) != 0;
    record.isSouth = (flags & 2) != 0;
    record.daylightSaving = (flags & 4) != 0;
    return record;
}

void CheckTexts(const sarovin::BodyTable& bodies) {
    for (const sarovin::BodyEntry& body : bodies.entries) {
        if (body.position.size() != 9 || body.place.sign < 0 || body.place.sign > 11) {
            std::fprintf(stderr, "engine_fuzzer: malformed position '%s'\n",
                         body.position.c_str());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sarovin;
    const BirthRecord record = RecordOf(data, size);
    for (const EphemerisChoice choice : {EphemerisChoice{Ephemeris::BuiltIn, LunarNode::Mean},
                                         EphemerisChoice{Ephemeris::Swiss, LunarNode::True}}) {
        const Result<Sky> sky = ComputeSky(record, choice);
        if (sky) {
            CheckTexts(sky->bodies);
            ComputeDrishtiReport(sky->bodies);
        }
    }
    return 0;
}
