#pragma once

#include "chart/chart_content.h"
#include "chart/chart_focus.h"
#include "houses/houses.h"

namespace sarovin {

// The Bhava Chalit chart: each body stands in the cell of its house, the
// k-th cell from the Lagna's holding the k-th house, and each cell also
// holds its house's madhya as "Md 10 Can 46". Without houses the content
// is the chart by signs.
ChartContent BhavaChalitContentOf(const Calculation& calculation);

// The Graha Drishti of `body` on houses, as cells of the Bhava Chalit
// chart whose Lagna is in `lagnaSign`, and the bodies standing in them.
// The S Node casts none.
ChartFocus HouseFocusOn(const Houses& houses, int lagnaSign, int body);

}  // namespace sarovin
