#include "transits/transit_tags.h"

#include <algorithm>

namespace sarovin {

namespace {

std::optional<TransitBindus> BindusOf(const TransitEvent& event, const Ashtakavarga& ashtakavarga) {
    const auto planet = std::find(AshtakaPlanetSlots.begin(), AshtakaPlanetSlots.end(),
                                  static_cast<BodySlot>(event.transiting));
    if (planet == AshtakaPlanetSlots.end()) {
        return std::nullopt;
    }
    const auto owner = static_cast<std::size_t>(planet - AshtakaPlanetSlots.begin());
    const auto sign = static_cast<std::size_t>(event.sign);
    return TransitBindus{ashtakavarga.bhinna[owner][sign], ashtakavarga.sarva[sign]};
}

}  // namespace

double TaggedMoment(const TransitEvent& event) {
    return event.kind == TransitKind::Sputa && event.peak ? *event.peak : event.start;
}

TransitTags TagsOf(const TransitEvent& event, const std::optional<Vimshottari>& dasha,
                   const std::optional<Ashtakavarga>& ashtakavarga) {
    TransitTags tags;
    if (dasha) {
        tags.periods = PeriodsRunningAt(*dasha, TaggedMoment(event));
    }
    if (ashtakavarga) {
        tags.bindus = BindusOf(event, *ashtakavarga);
    }
    return tags;
}

}  // namespace sarovin
