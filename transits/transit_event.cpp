#include "transits/transit_event.h"

#include <tuple>

namespace sarovin {

bool ReportedBefore(const TransitEvent& first, const TransitEvent& second) {
    return std::tie(first.start, first.kind, first.transiting, first.natal) <
           std::tie(second.start, second.kind, second.transiting, second.natal);
}

}  // namespace sarovin
