#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "drishti/graha_drishti.h"
#include "drishti/rashi_drishti.h"
#include "engine/body_table.h"
#include "vargas/varga_rules.h"

namespace sarovin {

// One varga chart: the nine bodies at their varga longitudes (names and
// position texts as the body table makes them), the Lagna's varga
// longitude when the ephemeris gives a Lagna, and the Graha and Rashi
// Drishti found from the varga signs by the rules the reading follows, as
// its own tabs find them from the rashi signs.
struct VargaChart {
    BodyTable bodies;
    std::optional<double> lagna;
    std::array<DrishtiRow, GRAHA_ROWS> graha;
    std::array<DrishtiRow, RASHI_ROWS> rashi;

    friend bool operator==(const VargaChart&, const VargaChart&) = default;
};

// The chart of the varga at `varga` in VargaNames for the sidereal
// longitudes of `bodies` and of the Lagna.
VargaChart ComputeVargaChart(int varga, const BodyTable& bodies, std::optional<double> lagna,
                             Rules rules);

// The sign of a longitude as the tabs name it: "Mesha".
std::string_view SignNameAt(double longitude);

}  // namespace sarovin
