#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/calculation.h"
#include "vargas/varga_chart.h"

namespace sarovin {

// The body slot a mark gives for the Lagna, which is no body.
inline constexpr int LAGNA_MARK = -1;

// One mark standing in a sign: a body or the Lagna, written as its
// two-letter abbreviation and its degree and minute in the sign, with ℞
// after a retrograde body's.
struct ChartMark {
    int sign = 0;
    std::string label;
    int body = LAGNA_MARK;
    // The abbreviation alone (with its ℞), which a cell too crowded for the
    // labels at a readable size shows instead; empty to show the label.
    std::string brief;

    friend bool operator==(const ChartMark&, const ChartMark&) = default;
};

// What a chart shows of one reading: the marks, the Lagna's sign when the
// ephemeris gives one, and whose birth it is.
struct ChartContent {
    // The Lagna first when there is one, then the bodies in slot order.
    std::vector<ChartMark> marks;
    std::optional<int> lagnaSign;
    // A second chart's bodies, drawn on the inner side of their signs when
    // two charts are compared on one; empty otherwise.
    std::vector<ChartMark> innerMarks;
    std::string title;
    // The date and time, the place and the ephemeris of the birth.
    std::vector<std::string> details;

    friend bool operator==(const ChartContent&, const ChartContent&) = default;
};

// Su, Mo, Me, Ve, Ma, Ju, Sa, Ra, Ke.
std::string_view BodyAbbreviation(int slot);

ChartContent ChartContentOf(const Calculation& calculation);

// The chart of `outer` with the Lagna (when it has one) and the nine bodies
// of `inner` as its inner marks.
ChartContent DoubleChartContent(const Calculation& outer, const Calculation& inner);
// The chart of the varga at `varga` in VargaNames: the marks at their
// varga places, with the title and details of ChartContentOf and the
// varga's name, "Navamsa (D9)", as the last detail; the D1 is the birth
// chart as ChartContentOf gives it.
ChartContent VargaChartContentOf(const Calculation& calculation, const VargaChart& chart,
                                 int varga);

}  // namespace sarovin
