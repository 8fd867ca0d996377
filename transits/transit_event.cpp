#include "transits/transit_event.h"

#include <tuple>

namespace sarovin {

std::optional<std::string> FlawOf(const TransitEvent& event, double threshold) {
    // The strength at a band edge is computed, not read, so it may fall
    // short of the threshold it equals by a rounding.
    constexpr double ROUNDING = 1e-9;
    if (event.end < event.start) {
        return "a window ends before it starts";
    }
    if (event.peak && (*event.peak < event.start || *event.peak > event.end)) {
        return "a window's peak lies outside it";
    }
    if (event.kind == TransitKind::Sputa &&
        !(event.peakVirupas && *event.peakVirupas >= threshold - ROUNDING)) {
        return "a Sputa window's peak is below the threshold";
    }
    return std::nullopt;
}

bool ReportedBefore(const TransitEvent& first, const TransitEvent& second) {
    return std::tie(first.start, first.kind, first.transiting, first.natal) <
           std::tie(second.start, second.kind, second.transiting, second.natal);
}

}  // namespace sarovin
