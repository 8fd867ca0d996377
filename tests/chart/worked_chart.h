#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/calculation.h"
#include "chart/chart_layout.h"
#include "tests/support/body_tables.h"
#include "tests/support/sample_births.h"

namespace sarovin::testing {

// The worked birth, 15 June 1980 08:30 Indian Time at 77°12' E, with the
// built-in ephemeris's positions, and a Lagna when one is given.
inline Calculation WorkedCalculation(std::optional<double> lagna = std::nullopt) {
    Calculation calculation;
    calculation.record = AshaRaoBirth();
    calculation.zonePosition = INDIAN_TIME_ZONE;
    calculation.sky.bodies =
        TableWithPositions({"00 Gem 51", "29 Gem 07", "25 Gem 19", "01 Gem 09", "23 Leo 17",
                            "10 Leo 25", "27 Leo 23", "28 Can 35", "28 Cap 35"});
    calculation.sky.lagna = lagna;
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
    return calculation;
}

// The stellium of 4 February 1962 17:30 Indian Time (12:00 UT) at New
// Delhi, 77°12' E 28°36' N, from the Swiss Ephemeris with the Lahiri
// ayanamsa and the mean node:
//   swetest -b4.2.1962 -ut12:00 -sid1 -fPlsj -p0123456m -house77.2,28.6,P
// (minutes cut, not rounded) eight bodies in Makara, the Lagna 105°48'
// (15°48' Kataka), and Mercury
// retrograde (its daily motion -1.1694°, the only one below zero).
inline Calculation StelliumCalculation() {
    Calculation calculation;
    calculation.sky.bodies =
        TableWithPositions({"21 Cap 52", "14 Cap 46", "24 Cap 12", "23 Cap 48", "08 Cap 38",
                            "25 Cap 10", "10 Cap 25", "24 Can 51", "24 Cap 51"});
    calculation.sky.speeds = {
        {1.0143, 14.9634, -1.1694, 1.2551, 0.7772, 0.2392, 0.1175, -0.0530, -0.0530}};
    calculation.sky.lagna = 105.8003;
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
    return calculation;
}

// 10°45' in Kataka (Cancer).
inline constexpr double CANCER_LAGNA = 90 + 10.75;

inline constexpr double SIDE = 400;

inline const ChartArea* AreaOfSign(const ChartLayout& layout, int sign) {
    for (const ChartArea& area : layout.areas) {
        if (area.sign == sign) {
            return &area;
        }
    }
    return nullptr;
}

inline const ChartArea* AreaAt(const ChartLayout& layout, Point point) {
    for (const ChartArea& area : layout.areas) {
        if (Encloses(area.outline, point)) {
            return &area;
        }
    }
    return nullptr;
}

inline std::vector<const ChartText*> TextsOf(const ChartLayout& layout, TextRole role) {
    std::vector<const ChartText*> texts;
    for (const ChartText& text : layout.texts) {
        if (text.role == role) {
            texts.push_back(&text);
        }
    }
    return texts;
}

inline const ChartText* MarkOfBody(const ChartLayout& layout, int body) {
    for (const ChartText& text : layout.texts) {
        if (text.body == body) {
            return &text;
        }
    }
    return nullptr;
}

inline bool BoxInside(const Box& box, const Outline& outline) {
    for (const Point corner : OutlineOf(box)) {
        if (!Encloses(outline, corner)) {
            return false;
        }
    }
    return true;
}

}  // namespace sarovin::testing
