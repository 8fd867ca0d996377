#include "timeline/window_filter.h"

#include <gtest/gtest.h>

#include "engine/body_slot.h"

namespace sarovin {
namespace {

constexpr double BIRTH = 2451545.0;

TransitEvent Window(TransitKind kind, int transiting, int natal, std::optional<double> peak) {
    return {.kind = kind,
            .transiting = transiting,
            .natal = natal,
            .start = BIRTH + 10,
            .end = BIRTH + 20,
            .peak = peak ? std::optional(BIRTH + 15) : std::nullopt,
            .peakVirupas = peak};
}

struct FilterCase {
    const char* what;
    WindowFilter filter;
    TransitEvent event;
    bool passes;
};

// The Moon at 0° at BIRTH: Ketu's Mahadasha and Antardasha run for the
// first 149 days (see the period-lord tests).
TEST(WindowFilter, EachChoiceKeepsOnlyTheWindowsItNames) {
    const std::optional<Vimshottari> dasha = ComputeVimshottari(0, BIRTH, DashaYear::Sidereal);
    const TransitEvent sputa = Window(TransitKind::Sputa, Saturn, Moon, 40);
    const TransitEvent graha = Window(TransitKind::Graha, Jupiter, SNode, std::nullopt);
    const TransitEvent kakshya = Window(TransitKind::Kakshya, Saturn, Moon, std::nullopt);
    const FilterCase cases[] = {
        {"nothing chosen", {}, sputa, true},
        {"its transiting body", {.transiting = Saturn}, sputa, true},
        {"another transiting body", {.transiting = Jupiter}, sputa, false},
        {"its natal point", {.natal = Moon}, sputa, true},
        {"another natal point", {.natal = Sun}, sputa, false},
        {"a Kakshya window is on no natal point", {.natal = Moon}, kakshya, false},
        {"its kind", {.kind = TransitKind::Graha}, graha, true},
        {"another kind", {.kind = TransitKind::Sputa}, graha, false},
        {"a peak below the minimum", {.minimumPeak = 45}, sputa, false},
        {"a peak at the minimum", {.minimumPeak = 40}, sputa, true},
        {"a Graha window has no peak to fall short", {.minimumPeak = 45}, graha, true},
        {"period lords: Saturn on the Moon in Ketu/Ketu", {.periodLordsOnly = true}, sputa, false},
        {"period lords: Jupiter on Ketu in Ketu/Ketu", {.periodLordsOnly = true}, graha, true},
    };
    for (const FilterCase& test : cases) {
        EXPECT_EQ(PassesFilter(test.event, test.filter, dasha), test.passes) << test.what;
    }
    EXPECT_TRUE(PassesFilter(sputa, {.periodLordsOnly = true}, std::nullopt));
}

}  // namespace
}  // namespace sarovin
