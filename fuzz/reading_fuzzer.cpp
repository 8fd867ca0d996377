// Any bytes as a saved reading: restoring, checking and computing must not
// fail, a reading with an 18th line must either keep an exact offset or be
// refused (never computed by the zone row beside it), and a reading that
// computes must save to a file that opens again with the same results and
// saves to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calculation/calculation.h"
#include "reading/reading_split.h"
#include "reading/reading_write.h"

namespace {

void Fail(const char* why) {
    std::fprintf(stderr, "reading_fuzzer: %s\n", why);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sarovin;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OpenedReading opened = CalculateReading(bytes, InputForm{}, BirthRecord{}, {}, {});
    if (!opened.calculation) {
        return 0;
    }
    const Calculation& first = *opened.calculation;
    if (!ReadExactOffsetLine(bytes).empty() && !first.record.exactOffset) {
        Fail("an 18th line is dropped without a word");
    }
    const std::string saved = WriteReading(first.record, first.zonePosition);
    const OpenedReading reopened = CalculateReading(saved, InputForm{}, BirthRecord{}, {}, {});
    if (!reopened.calculation) {
        Fail(("a saved reading does not open again: " + reopened.calculation.refusal().message)
                 .c_str());
    }
    if (reopened.calculation->report != first.report) {
        Fail("a saved reading reopens with other results");
    }
    const Calculation& second = *reopened.calculation;
    if (WriteReading(second.record, second.zonePosition) != saved) {
        Fail("a reopened reading saves to other bytes");
    }
    return 0;
}
