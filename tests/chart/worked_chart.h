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
