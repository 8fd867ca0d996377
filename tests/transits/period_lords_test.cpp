#include "transits/period_lords.h"

#include <gtest/gtest.h>

#include "engine/body_slot.h"

namespace sarovin {
namespace {

// The Moon at 0° (the first point of Ashwini, Ketu's) at Julian day
// 2451545.0 leaves the whole of Ketu's 7 years to run. Its Antardashas, in
// sidereal years of 365.256364 days: Ketu's 7 × 7 / 120 = 0.408333 years
// (149.14635 days) to 2451694.14635, Venus's 7 × 20 / 120 = 1.166667 years
// (426.13242 days) to 2452120.27877, the Sun's 7 × 6 / 120 = 0.35 years
// (127.83973 days) to 2452248.11850.
constexpr double BIRTH = 2451545.0;
constexpr int LAGNA_POINT = 9;

struct WindowCase {
    const char* what;
    TransitKind kind;
    int transiting;
    int natal;
    double start;
    std::optional<double> peak;
    bool kept;
};

TEST(PeriodLords, AWindowIsKeptWhenOneOfItsBodiesRulesAPeriodRunningAtItsMoment) {
    const Vimshottari dasha = ComputeVimshottari(0, BIRTH, DashaYear::Sidereal);
    const WindowCase cases[] = {
        {"Ketu/Ketu, neither body", TransitKind::Sputa, Mars, Sun, BIRTH + 90, BIRTH + 100, false},
        {"Ketu/Ketu, the natal Ketu", TransitKind::Sputa, Jupiter, SNode, BIRTH + 90, BIRTH + 100,
         true},
        {"Ketu/Venus, the transiting Venus", TransitKind::Graha, Venus, Moon, BIRTH + 200,
         std::nullopt, true},
        // Started in Venus's Antardasha, peaking in the Sun's: read at the peak.
        {"Sputa read at its peak, the Sun's", TransitKind::Sputa, Saturn, Sun, 2452100, 2452200,
         true},
        {"Sputa read at its peak, not Venus's", TransitKind::Sputa, Saturn, Venus, 2452100, 2452200,
         false},
        {"Graha read at its start, Venus's", TransitKind::Graha, Saturn, Venus, 2452100,
         std::nullopt, true},
        {"Sade Sati on the Moon in Ketu/Ketu", TransitKind::SadeSati, Saturn, Moon, BIRTH + 10,
         std::nullopt, false},
        {"the Lagna is no lord", TransitKind::Sputa, Mars, LAGNA_POINT, BIRTH + 10, BIRTH + 10,
         false},
        {"Kakshya of Jupiter by its body alone", TransitKind::Kakshya, Jupiter, SNode, BIRTH + 10,
         std::nullopt, false},
        {"before the periods begin", TransitKind::Graha, SNode, SNode, BIRTH - 10, std::nullopt,
         false},
        {"the last instant of Ketu/Venus is the Sun's", TransitKind::Graha, Venus, Moon,
         2452120.27877 + 1e-4, std::nullopt, false},
    };
    for (const WindowCase& window : cases) {
        const TransitEvent event{.kind = window.kind,
                                 .transiting = window.transiting,
                                 .natal = window.natal,
                                 .start = window.start,
                                 .end = window.start + 300,
                                 .peak = window.peak,
                                 .peakVirupas = window.peak ? std::optional(45.0) : std::nullopt};
        EXPECT_EQ(FallsInOwnPeriod(event, dasha), window.kept) << window.what;
    }
}

}  // namespace
}  // namespace sarovin
