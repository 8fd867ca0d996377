#pragma once

#include "drishti/drishti_report.h"

namespace sarovin {

// Which aspects a chart draws for its chosen body: its Graha Drishti
// (planet to sign) or its sign's Rashi Drishti (sign to sign).
enum class AspectKind { Graha, Rashi };

// The body a chart is turned to, the signs it aspects and the bodies
// standing there, as the Graha or Rashi Drishti result names them.
struct ChartFocus {
    int body = 0;
    Aspected aspected;

    friend bool operator==(const ChartFocus&, const ChartFocus&) = default;
};

// The aspects of `body` as the computed result of `kind` gives them; a
// body without a row there (the S Node has no Graha Drishti) aspects
// nothing.
ChartFocus FocusOn(const DrishtiReport& report, AspectKind kind, int body);

// The same from the Graha and Rashi rows of any chart, such as a varga's.
ChartFocus FocusOn(const std::array<DrishtiRow, GRAHA_ROWS>& graha,
                   const std::array<DrishtiRow, RASHI_ROWS>& rashi, AspectKind kind, int body);

}  // namespace sarovin
